// The browser's URL history store: the visited addresses with their titles.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace dusk {

struct UrlHistoryEntry {
  std::string url;
  std::string title;
};

class UrlHistoryStore {
 public:
  virtual ~UrlHistoryStore() = default;
  // Appends, in the store's order, the entries whose URL begins with `filter` (all of
  // them when it is empty). False when the store refuses; what came before stays.
  virtual bool Enumerate(const std::string& filter, std::uint32_t flags,
                         std::vector<UrlHistoryEntry>& entries) = 0;
  virtual bool DeleteUrl(const std::string& url, std::uint32_t flags) = 0;
  virtual bool ClearHistory() = 0;
};

}  // namespace dusk
