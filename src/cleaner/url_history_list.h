// The browser's URL history as a list: one item per entry of the store as of the
// last Refresh, in the store's order, addressed from 1.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/url_history.h"

namespace dusk {

class URLHistoryItem {
 public:
  explicit URLHistoryItem(UrlHistoryEntry entry) : entry_(std::move(entry)) {}
  const std::string& URL() const { return entry_.url; }
  // "     (No Title Given)" for a page without a title.
  std::string Title() const;

 private:
  UrlHistoryEntry entry_;
};

class CURLHistory {
 public:
  // Fills the list at once, as Refresh with no filter does.
  explicit CURLHistory(UrlHistoryStore& store);

  // Rebuilds the list from the entries whose URL begins with `filter` (all when it is
  // empty). False when the store refused; the list then holds what it gave before.
  bool Refresh(const std::string& filter = "", std::uint32_t flags = 0);
  std::size_t Count() const { return items_.size(); }
  // The item at a position from 1; null outside the list.
  const URLHistoryItem* Item(std::size_t index) const;
  // Deletes that item's URL from the store and drops it; later items move up by one.
  bool Remove(std::size_t index);
  // Deletes the URL from the store, then refreshes the whole list.
  void DeleteURL(const std::string& url, std::uint32_t flags);
  // Empties the store, then refreshes the whole list; the store's failures are ignored.
  void Clear();

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  UrlHistoryStore& store_;
  std::vector<URLHistoryItem> items_;
};

}  // namespace dusk
