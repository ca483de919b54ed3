// A URL history store held in memory. `refuse` makes it answer as a store that
// is not implemented.
#pragma once
#include <string>
#include <vector>

#include "platform/url_history.h"

namespace dusk {

class FakeUrlHistoryStore : public UrlHistoryStore {
 public:
  std::vector<UrlHistoryEntry> entries;
  bool refuse = false;
  std::vector<std::string> calls;  // "enumerate <filter> <flags>", "delete <url> <flags>", "clear"

  bool Enumerate(const std::string& filter, std::uint32_t flags,
                 std::vector<UrlHistoryEntry>& found) override;
  bool DeleteUrl(const std::string& url, std::uint32_t flags) override;
  bool ClearHistory() override;
};

}  // namespace dusk
