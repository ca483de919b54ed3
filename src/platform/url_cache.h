// The browser's URL cache (Temporary Internet Files): one walk over its entries at a
// time, and the delete of an entry by its source URL.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace dusk {

// Bit 0 of an entry's type: a normal cache entry.
inline constexpr std::uint32_t kNormalCacheEntry = 0x1;

struct UrlCacheEntry {
  std::string sourceUrl;
  std::string localFileName;  // empty when the entry has no local file
  std::uint32_t entryType = 0;
};

class UrlCache {
 public:
  virtual ~UrlCache() = default;
  // Starts a new walk (closing one still open); empty for an empty cache.
  virtual std::optional<UrlCacheEntry> FirstEntry() = 0;
  // Empty at the end of the cache or when no walk is open.
  virtual std::optional<UrlCacheEntry> NextEntry() = 0;
  virtual void CloseWalk() = 0;
  virtual bool DeleteEntry(const std::string& sourceUrl) = 0;
};

}  // namespace dusk
