// A URL cache held in memory: the entries a test puts in, one walk over them, and
// the deletes it asked for.
#pragma once
#include <set>
#include <vector>

#include "platform/url_cache.h"

namespace dusk {

class FakeUrlCache : public UrlCache {
 public:
  std::vector<UrlCacheEntry> entries;
  std::set<std::string> inUse;  // source URLs whose delete fails
  std::vector<std::string> deleteRequests;

  bool walkOpen() const { return walkOpen_; }

  std::optional<UrlCacheEntry> FirstEntry() override;
  std::optional<UrlCacheEntry> NextEntry() override;
  void CloseWalk() override { walkOpen_ = false; }
  bool DeleteEntry(const std::string& sourceUrl) override;

 private:
  bool walkOpen_ = false;
  std::size_t next_ = 0;
};

}  // namespace dusk
