// The browser's traces: the URL history list, the cache's work list and the whole
// KillHistory run, on fakes and a scratch folder of Linux.
#include <gtest/gtest.h>

#include "cleaner/normalise_path.h"
#include "contract/cleaner_files_env.h"
#include "contract/cleaner_rig.h"

namespace dusk::testing {
namespace {

std::vector<std::string> Urls(const CURLHistory& list) {
  std::vector<std::string> urls;
  for (const URLHistoryItem& item : list) urls.push_back(item.URL());
  return urls;
}

TEST(UrlHistoryList, RefreshFiltersRemoveShiftsAndAMissingTitleIsNamed) {
  FakeUrlHistoryStore store;
  store.entries = {{"http://a/", "A"}, {"http://b/", ""}, {"ftp://c/", "C"}};
  CURLHistory list(store);
  ASSERT_EQ(list.Count(), 3u);
  EXPECT_EQ(list.Item(1)->Title(), "A");
  EXPECT_EQ(list.Item(2)->Title(), "     (No Title Given)");
  EXPECT_EQ(list.Item(0), nullptr);
  EXPECT_EQ(list.Item(4), nullptr);

  EXPECT_TRUE(list.Refresh("http://", 0));
  EXPECT_EQ(Urls(list), (std::vector<std::string>{"http://a/", "http://b/"}));

  list.Refresh();
  EXPECT_TRUE(list.Remove(1));
  EXPECT_EQ(Urls(list), (std::vector<std::string>{"http://b/", "ftp://c/"})) << "no refresh, positions move up";
  EXPECT_EQ(store.calls.back(), "delete http://a/ 0");
  EXPECT_FALSE(list.Remove(3));

  list.DeleteURL("ftp://c/", 2);
  EXPECT_EQ(store.calls[store.calls.size() - 2], "delete ftp://c/ 2");
  EXPECT_EQ(Urls(list), std::vector<std::string>{"http://b/"});
}

TEST(UrlHistoryList, AStoreThatRefusesLeavesTheListEmpty) {
  FakeUrlHistoryStore store;
  store.entries = {{"http://a/", "A"}};
  CURLHistory list(store);
  store.refuse = true;
  EXPECT_FALSE(list.Refresh());
  EXPECT_EQ(list.Count(), 0u);
  list.Clear();  // ignored failures
  EXPECT_EQ(list.Count(), 0u);
}

TEST(CacheWorkList, FirstEntryWhateverItsTypeLaterOnlyNormalOnes) {
  FakeUrlCache cache;
  cache.entries = {{"Cookie:me@site/", "C:\\Cookies\\me@site.txt", 0x100000},
                   {"http://x/a.gif", "C:\\Cache\\a.gif", 0x1},
                   {"Visited:me@http://y/", "", 0x200000},
                   {"http://z/", "", 0x1}};
  const std::vector<CacheRow> rows = ListCacheEntries(cache);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].fileName, "C:\\Cookies\\me@site.txt");
  EXPECT_EQ(rows[1].sourceUrl, "http://x/a.gif");
  EXPECT_EQ(rows[2].fileName, "http://z/") << "no local file: the row shows its URL";
  EXPECT_FALSE(cache.walkOpen());

  FakeUrlCache empty;
  EXPECT_TRUE(ListCacheEntries(empty).empty());
}

TEST(NormalisePathTest, AddsOneBackslash) {
  EXPECT_EQ(NormalisePath("C:\\Cache"), "C:\\Cache\\");
  EXPECT_EQ(NormalisePath("C:\\Cache\\"), "C:\\Cache\\");
  EXPECT_EQ(NormalisePath(""), "\\");
}

class KillHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env = MakeCleanerFilesEnv();
    cookies = env->Join(env->root(), "Cookies");
    env->MakeFolder(cookies);
    rig = std::make_unique<CleanerRig>(env->files(),
                                       CleanerFolders{.program = "C:\\Prog", .history = "C:\\Hist", .cache = "C:\\Cache\\", .cookies = cookies});
    // Windows paths: only recorded, never handed to this disk.
    rig->files.keep = {"C:\\Cache\\Content.IE5\\index.dat", "C:\\Hist\\history.ie5\\index.dat"};
  }
  std::vector<std::string> Removed() {
    std::vector<std::string> paths;
    for (const FileEvent& e : rig->files.events())
      if (e.kind == FileEvent::RemoveFile) paths.push_back(e.path);
    return paths;
  }
  std::unique_ptr<CleanerFilesEnv> env;
  std::unique_ptr<CleanerRig> rig;
  std::string cookies;
};

TEST_F(KillHistoryTest, ClearsEveryTraceInItsOrder) {
  const std::string index = env->Join(cookies, "index.dat");
  const std::string oldIndex = env->Join(cookies, "oldindex.dat");
  const std::string upper = env->Join(cookies, "INDEX.DAT");
  const std::string cookie = env->Join(cookies, "me@site[1].txt");
  for (const std::string& f : {index, oldIndex, upper, cookie}) env->Write(f, "cookie data");
  env->MakeFolder(env->Join(cookies, "sub"));
  env->Write(env->Join(env->Join(cookies, "sub"), "deeper.txt"), "stays");
  rig->cache.entries = {{"Cookie:me@site/", "", 0x100000}, {"http://x/", "C:\\Cache\\x.htm", 0x1},
                        {"http://busy/", "", 0x1}};
  rig->cache.inUse = {"http://busy/"};
  rig->registry.SetValue(RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs", "url0",
                         StringValue("http://typed/"));
  rig->history.entries = {{"http://visited/", "V"}};

  rig->cleaner.KillHistory();

  EXPECT_EQ(rig->shell.calls, std::vector<std::string>{"start C:\\Prog\\kie.bat"});
  EXPECT_FALSE(TraceOf(rig->files, index).opened) << "index files are deleted, not shredded";
  EXPECT_FALSE(TraceOf(rig->files, oldIndex).opened);
  EXPECT_EQ(TraceOf(rig->files, upper).flushes, kShredPasses) << "the ending compares with case";
  EXPECT_EQ(TraceOf(rig->files, cookie).flushes, kShredPasses);
  EXPECT_EQ(env->Read(env->Join(env->Join(cookies, "sub"), "deeper.txt")), "stays");
  EXPECT_EQ(rig->cache.deleteRequests,
            (std::vector<std::string>{"Cookie:me@site/", "http://x/", "http://busy/"}));
  EXPECT_TRUE(rig->cleaner.cacheRows().empty()) << "a row goes even when its entry stays";
  const std::vector<std::string> removed = Removed();
  ASSERT_GE(removed.size(), 2u);
  EXPECT_EQ(removed[removed.size() - 2], "C:\\Cache\\Content.IE5\\index.dat");
  EXPECT_EQ(removed.back(), "C:\\Hist\\history.ie5\\index.dat");
  EXPECT_FALSE(rig->registry.QueryValue(RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs",
                                        "url0"));
  EXPECT_EQ(rig->history.calls.back(), "enumerate  0");
  EXPECT_EQ(rig->cleaner.urlHistory().Count(), 0u);
}

TEST_F(KillHistoryTest, GoesOnWithoutItsBatchFileFoldersOrHistoryStore) {
  CleanerRig bare(env->files(), CleanerFolders{.program = "C:\\Prog"});
  bare.shell.missing = {"C:\\Prog\\kie.bat"};
  bare.history.refuse = true;
  bare.cache.entries = {{"http://x/", "", 0x1}};
  bare.cleaner.KillHistory();
  EXPECT_TRUE(bare.files.events().empty()) << "no folder, no walk and no index file at a drive's root";
  EXPECT_EQ(bare.cache.deleteRequests, std::vector<std::string>{"http://x/"});
  EXPECT_EQ(bare.history.calls.back(), "enumerate  0");
}

// Answers every call with a failure and counts the folders it was asked to list.
struct NothingDisk : FileSystem {
  std::vector<std::string> listed;
  std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) override {
    listed.push_back(folder);
    return std::nullopt;
  }
  std::optional<FileFacts> Inspect(const std::string&) override { return std::nullopt; }
  std::unique_ptr<OpenedFile> OpenForOverwrite(const std::string&) override { return nullptr; }
  bool SetAttributes(const std::string&, std::uint32_t) override { return false; }
  bool RemoveFile(const std::string&) override { return false; }
  bool RemoveFolder(const std::string&) override { return false; }
};

TEST(FolderGuard, RootsAndTheSystemsOwnFoldersAreNeverEmptied) {
  const std::vector<std::string> kept = {"C:\\WINDOWS", "C:\\Documents and Settings\\me\\"};
  for (const char* folder : {"", "C:\\", "C:", "D:/", "/", "\\\\server\\share\\", "c:\\windows\\",
                             "C:\\Documents and Settings\\ME"}) {
    NothingDisk disk;
    CleanerRig rig(disk, CleanerFolders{.cookies = folder, .temp = folder, .neverEmptied = kept});
    rig.cleaner.KillTemp();
    rig.cleaner.KillHistory();
    EXPECT_TRUE(disk.listed.empty()) << folder;
    EXPECT_TRUE(rig.host.cursor.empty()) << folder;
  }
  EXPECT_TRUE(MayEmpty("\\\\server\\share\\temp", kept));
  EXPECT_TRUE(MayEmpty("C:\\WINDOWS\\Temp", kept));
}

}  // namespace
}  // namespace dusk::testing
