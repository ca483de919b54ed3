// The URL cache on WinINet's cache enumeration.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "platform/url_cache.h"

namespace dusk {

class Win32UrlCache : public UrlCache {
 public:
  Win32UrlCache() = default;
  ~Win32UrlCache() override { CloseWalk(); }
  Win32UrlCache(const Win32UrlCache&) = delete;
  Win32UrlCache& operator=(const Win32UrlCache&) = delete;

  std::optional<UrlCacheEntry> FirstEntry() override;
  std::optional<UrlCacheEntry> NextEntry() override;
  void CloseWalk() override;
  bool DeleteEntry(const std::string& sourceUrl) override;

 private:
  HANDLE walk_ = nullptr;
};

// One step of a cache walk: `call` is the platform's first or next call given a buffer
// (null for the size query) and its size in bytes. The entry is fetched into a buffer
// of the size the query reported; when it grew in between and the platform asks for
// more, it is fetched again with the bigger buffer. Empty at the end of the cache.
using CacheEntryCall = std::function<bool(void* buffer, DWORD* size)>;
std::optional<UrlCacheEntry> FetchCacheEntry(const CacheEntryCall& call);

}  // namespace dusk
