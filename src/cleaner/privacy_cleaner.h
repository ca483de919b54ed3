// The cleaner's operations on the browser's traces, the temporary folder and the
// recycle bin, over the platform services it is given. One object lives as long as the
// program: it holds the URL history list and the work list of cache entries.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "cleaner/shredder.h"
#include "cleaner/url_history_list.h"
#include "cleaner/walk_host.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell_cleaning.h"
#include "platform/url_cache.h"
#include "platform/url_history.h"

namespace dusk {

// The folders the cleaner works on, read once at start-up; empty when the system has none.
// (Every member has an initialiser so that callers may name only the ones they set.)
struct CleanerFolders {
  std::string program{};  // the executable's folder, where the batch files lie
  std::string history{};  // the browser's history, cache and cookies
  std::string cache{};
  std::string cookies{};
  std::string temp{};  // the user's temporary folder
  // The system's and the user's own folders: never emptied, even when the temporary or
  // Cookies folder names one of them (a system without TEMP gives its Windows folder).
  std::vector<std::string> neverEmptied{};
};

// A folder the walks may empty: named, not the root of a drive or share, and none of
// `neverEmptied` (letter case and trailing separators aside).
bool MayEmpty(const std::string& folder, const std::vector<std::string>& neverEmptied);

struct CleanerServices {
  FileSystem& files;
  Registry& registry;
  UrlCache& cache;
  UrlHistoryStore& history;
  ShellCleaning& shell;
  Clock& clock;
  WalkHost& host;
};

// One entry of the cache's work list: its local file name (its source URL when it has
// no local file) and its source URL.
struct CacheRow {
  std::string fileName;
  std::string sourceUrl;
};

// The first entry whatever its type, later ones only when they are normal entries.
std::vector<CacheRow> ListCacheEntries(UrlCache& cache);

class PrivacyCleaner {
 public:
  // Fills the URL history list at once.
  PrivacyCleaner(const CleanerServices& services, CleanerFolders folders);

  const CleanerFolders& folders() const { return folders_; }
  CURLHistory& urlHistory() { return history_; }

  // Rebuilds the work list of cache entries from the URL cache.
  void FindCacheEntries();
  const std::vector<CacheRow>& cacheRows() const { return cacheRows_; }

  // Batch file of the program's folder ("kie.bat"), started hidden and not waited for.
  bool StartBatchFile(const std::string& name);

  // The browser's traces: cookies, cache entries and index files, typed addresses and
  // the URL history, in that order.
  void KillHistory();

  void ShredFile(const std::string& path) { shredder_.ShredFile(path); }
  void KillFiles(const std::string& folder) { shredder_.KillFiles(folder); }
  // Shreds every file of the temporary folder and removes its sub-folders; the folder
  // itself stays. A folder that MayEmpty refuses is left alone.
  void KillTemp();
  void EmptyRec(std::uint32_t flags);

 private:
  void ShredCookies();
  void DeleteIndexFile(const std::string& folder, const std::string& rest);

  CleanerServices services_;
  CleanerFolders folders_;
  WalkPacer pacer_;
  Shredder shredder_;
  CURLHistory history_;
  std::vector<CacheRow> cacheRows_;
};

}  // namespace dusk
