#include "platform/host/fake_url_cache.h"

#include <algorithm>

namespace dusk {

std::optional<UrlCacheEntry> FakeUrlCache::FirstEntry() {
  walkOpen_ = !entries.empty();
  next_ = 0;
  return NextEntry();
}

std::optional<UrlCacheEntry> FakeUrlCache::NextEntry() {
  if (!walkOpen_ || next_ >= entries.size()) return std::nullopt;
  return entries[next_++];
}

bool FakeUrlCache::DeleteEntry(const std::string& sourceUrl) {
  deleteRequests.push_back(sourceUrl);
  if (inUse.count(sourceUrl)) return false;
  auto it = std::find_if(entries.begin(), entries.end(),
                         [&](const UrlCacheEntry& e) { return e.sourceUrl == sourceUrl; });
  if (it == entries.end()) return false;
  entries.erase(it);
  return true;
}

}  // namespace dusk
