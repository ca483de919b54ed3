#include "cleaner/privacy_cleaner.h"

#include "cleaner/normalise_path.h"
#include "cleaner/registry_lists.h"
#include "platform/text_compare.h"

namespace dusk {
namespace {

CacheRow RowOf(const UrlCacheEntry& entry) {
  return {entry.localFileName.empty() ? entry.sourceUrl : entry.localFileName, entry.sourceUrl};
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string WithoutTrailingSeparators(std::string path) {
  while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

// "C:", "\\server\share", "/" (once the trailing separators are gone).
bool IsRoot(const std::string& path) {
  if (path.empty() || (path.size() == 2 && path[1] == ':')) return true;
  if (path.rfind("\\\\", 0) != 0) return false;
  const auto share = path.find('\\', 2);
  return share == std::string::npos || path.find('\\', share + 1) == std::string::npos;
}

}  // namespace

bool MayEmpty(const std::string& folder, const std::vector<std::string>& neverEmptied) {
  if (folder.empty()) return false;
  const std::string path = WithoutTrailingSeparators(folder);
  if (IsRoot(path)) return false;
  for (const std::string& kept : neverEmptied)
    if (EqualsNoCase(path, WithoutTrailingSeparators(kept))) return false;
  return true;
}

std::vector<CacheRow> ListCacheEntries(UrlCache& cache) {
  std::vector<CacheRow> rows;
  if (std::optional<UrlCacheEntry> first = cache.FirstEntry()) {
    rows.push_back(RowOf(*first));
    while (std::optional<UrlCacheEntry> next = cache.NextEntry())
      if (next->entryType & kNormalCacheEntry) rows.push_back(RowOf(*next));
  }
  cache.CloseWalk();
  return rows;
}

PrivacyCleaner::PrivacyCleaner(const CleanerServices& services, CleanerFolders folders)
    : services_(services),
      folders_(std::move(folders)),
      pacer_(services.clock, services.host),
      shredder_(services.files, pacer_),
      history_(services.history) {}

void PrivacyCleaner::FindCacheEntries() { cacheRows_ = ListCacheEntries(services_.cache); }

bool PrivacyCleaner::StartBatchFile(const std::string& name) {
  return services_.shell.StartHidden(NormalisePath(folders_.program) + name);
}

void PrivacyCleaner::KillHistory() {
  StartBatchFile("kie.bat");
  ShredCookies();
  FindCacheEntries();
  // An entry in use stays in the cache; its row goes all the same, so the loop ends.
  for (const CacheRow& row : cacheRows_) {
    services_.cache.DeleteEntry(row.sourceUrl);
    pacer_.Tick();
  }
  cacheRows_.clear();
  DeleteIndexFile(folders_.cache, "Content.IE5\\index.dat");
  ClearTypedURLValues(services_.registry);
  DeleteIndexFile(folders_.history, "history.ie5\\index.dat");
  history_.Clear();
  history_.Refresh();
}

// The files directly in the Cookies folder: its index files are deleted (the browser
// rebuilds them), every other file is shredded.
void PrivacyCleaner::ShredCookies() {
  if (!MayEmpty(folders_.cookies, folders_.neverEmptied)) return;
  const auto entries = services_.files.ListFolder(folders_.cookies);
  if (!entries) return;
  for (const FolderEntry& entry : *entries) {
    if (entry.isFolder()) continue;
    if (EndsWith(entry.path, "index.dat"))
      services_.files.RemoveFile(entry.path);
    else
      shredder_.ShredFile(entry.path);
    pacer_.Tick();
  }
}

// An unknown folder would put the index file's path at the root of the current drive.
void PrivacyCleaner::DeleteIndexFile(const std::string& folder, const std::string& rest) {
  if (!folder.empty()) services_.files.RemoveFile(NormalisePath(folder) + rest);
}

void PrivacyCleaner::KillTemp() {
  if (!MayEmpty(folders_.temp, folders_.neverEmptied)) return;
  services_.host.SetBusyCursor(true);
  shredder_.KillFiles(folders_.temp);
  shredder_.RemoveSubFolders(folders_.temp);
  services_.host.SetBusyCursor(false);
}

void PrivacyCleaner::EmptyRec(std::uint32_t flags) { services_.shell.EmptyRecycleBin(flags); }

}  // namespace dusk
