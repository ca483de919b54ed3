#include "platform/host/fake_url_history.h"

#include <algorithm>

namespace dusk {

bool FakeUrlHistoryStore::Enumerate(const std::string& filter, std::uint32_t flags,
                                    std::vector<UrlHistoryEntry>& found) {
  calls.push_back("enumerate " + filter + " " + std::to_string(flags));
  if (refuse) return false;
  for (const UrlHistoryEntry& e : entries)
    if (e.url.rfind(filter, 0) == 0) found.push_back(e);
  return true;
}

bool FakeUrlHistoryStore::DeleteUrl(const std::string& url, std::uint32_t flags) {
  calls.push_back("delete " + url + " " + std::to_string(flags));
  if (refuse) return false;
  const auto before = entries.size();
  std::erase_if(entries, [&](const UrlHistoryEntry& e) { return e.url == url; });
  return entries.size() != before;
}

bool FakeUrlHistoryStore::ClearHistory() {
  calls.push_back("clear");
  if (refuse) return false;
  entries.clear();
  return true;
}

}  // namespace dusk
