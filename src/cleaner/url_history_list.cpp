#include "cleaner/url_history_list.h"

namespace dusk {

std::string URLHistoryItem::Title() const {
  return entry_.title.empty() ? "     (No Title Given)" : entry_.title;
}

CURLHistory::CURLHistory(UrlHistoryStore& store) : store_(store) { Refresh(); }

bool CURLHistory::Refresh(const std::string& filter, std::uint32_t flags) {
  std::vector<UrlHistoryEntry> entries;
  const bool ok = store_.Enumerate(filter, flags, entries);
  items_.clear();
  for (UrlHistoryEntry& entry : entries) items_.emplace_back(std::move(entry));
  return ok;
}

const URLHistoryItem* CURLHistory::Item(std::size_t index) const {
  return index >= 1 && index <= items_.size() ? &items_[index - 1] : nullptr;
}

bool CURLHistory::Remove(std::size_t index) {
  const URLHistoryItem* item = Item(index);
  if (!item) return false;
  store_.DeleteUrl(item->URL(), 0);
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index - 1));
  return true;
}

void CURLHistory::DeleteURL(const std::string& url, std::uint32_t flags) {
  store_.DeleteUrl(url, flags);
  Refresh();
}

void CURLHistory::Clear() {
  store_.ClearHistory();
  Refresh();
}

}  // namespace dusk
