// The cleaner's Win32 services under Wine: the cache walk on WinINet with entries the
// test commits itself, the URL history store that Wine does not implement, starting a
// batch file hidden, 64-bit offsets in the 32-bit build, paths past the classic limit
// and the message pump of the walks.
#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <cstring>

#include "cleaner/win/win32_cleaner.h"
#include "contract/cleaner_files_env.h"
#include "contract/cleaner_rig.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_shell_cleaning.h"
#include "platform/win32/win32_url_cache.h"
#include "platform/win32/win32_url_history.h"
#include "window_probe.h"

namespace dusk::testing {
namespace {

// An entry of `size` bytes laid out as the platform lays it out: the record, then its texts.
bool FillEntry(void* buffer, DWORD size, const char* url, const char* file, DWORD type) {
  auto* info = static_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer);
  char* texts = reinterpret_cast<char*>(info + 1);
  if (size < sizeof(*info) + std::strlen(url) + std::strlen(file) + 2) return false;
  std::strcpy(texts, url);
  std::strcpy(texts + std::strlen(url) + 1, file);
  info->lpszSourceUrlName = texts;
  info->lpszLocalFileName = texts + std::strlen(url) + 1;
  info->CacheEntryType = type;
  return true;
}

TEST(CacheEntryFetch, AnEntryThatGrewIsFetchedAgainWithTheBiggerBuffer) {
  DWORD needed = 120;
  std::vector<DWORD> offered;
  const std::optional<UrlCacheEntry> entry = FetchCacheEntry([&](void* buffer, DWORD* size) {
    offered.push_back(buffer ? *size : 0);
    if (!buffer || *size < needed) {
      *size = needed;
      needed = 200;  // grows once, between the size query and the first fetch
      SetLastError(ERROR_INSUFFICIENT_BUFFER);
      return false;
    }
    return FillEntry(buffer, *size, "http://grown/", "C:\\grown.htm", NORMAL_CACHE_ENTRY);
  });
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->sourceUrl, "http://grown/");
  EXPECT_EQ(entry->localFileName, "C:\\grown.htm");
  EXPECT_EQ(offered, (std::vector<DWORD>{0, 120, 200}));
}

TEST(CacheEntryFetch, TheEndOfTheCacheAndOtherFailuresEndTheWalk) {
  EXPECT_FALSE(FetchCacheEntry([](void*, DWORD* size) {
    *size = 0;
    SetLastError(ERROR_NO_MORE_ITEMS);
    return false;
  }));
  EXPECT_FALSE(FetchCacheEntry([](void* buffer, DWORD* size) {
    *size = 100;
    SetLastError(buffer ? ERROR_ACCESS_DENIED : ERROR_INSUFFICIENT_BUFFER);
    return false;
  }));
}

std::string TestUrl(const std::string& name) {
  return "http://dusklatch.test/" + std::to_string(GetCurrentProcessId()) + "/" + name;
}

bool Commit(const std::string& url, DWORD type) {
  char file[MAX_PATH] = {};
  if (!CreateUrlCacheEntryA(url.c_str(), 0, "htm", file, 0)) return false;
  HANDLE h = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(h, "<html/>", 7, &written, nullptr);
  CloseHandle(h);
  const FILETIME none{};
  return CommitUrlCacheEntryA(url.c_str(), file, none, none, type, nullptr, 0, "htm", nullptr) != 0;
}

std::vector<std::string> CachedUrls() {
  Win32UrlCache cache;
  std::vector<std::string> urls;
  for (auto e = cache.FirstEntry(); e; e = cache.NextEntry()) urls.push_back(e->sourceUrl);
  return urls;
}

TEST(RealUrlCache, KillHistoryDeletesTheEntriesTheTestCommitted) {
  const std::string mine = "http://dusklatch.test/";
  for (const std::string& url : CachedUrls())
    if (url.find(mine) == std::string::npos) GTEST_SKIP() << "the cache holds entries of others: " << url;
  const std::vector<std::string> made = {TestUrl("a.htm"), TestUrl("b.htm"), TestUrl("c.htm")};
  for (const std::string& url : made) ASSERT_TRUE(Commit(url, NORMAL_CACHE_ENTRY)) << url;
  ASSERT_GE(CachedUrls().size(), made.size());

  auto env = MakeCleanerFilesEnv();
  const std::string cookies = env->Join(env->root(), "Cookies");
  const std::string cache = env->Join(env->root(), "Cache");
  const std::string history = env->Join(env->root(), "History");
  for (const std::string& f : {cookies, cache, env->Join(cache, "Content.IE5"), history,
                               env->Join(history, "history.ie5")})
    env->MakeFolder(f);
  const std::string cacheIndex = env->Join(env->Join(cache, "Content.IE5"), "index.dat");
  const std::string historyIndex = env->Join(env->Join(history, "history.ie5"), "index.dat");
  for (const std::string& f : {cacheIndex, historyIndex, env->Join(cookies, "index.dat")}) env->Write(f, "index");
  const std::string cookie = env->Join(cookies, "me@dusklatch[1].txt");
  env->Write(cookie, "session=1");

  RecordingFileSystem files(env->files());
  MemoryRegistry registry;
  Win32UrlCache urlCache;
  FakeUrlHistoryStore historyStore;
  RecordingShellCleaning shell;
  SteppingClock clock;
  CountingWalkHost host;
  PrivacyCleaner cleaner({files, registry, urlCache, historyStore, shell, clock, host},
                         CleanerFolders{.program = env->root(), .history = history, .cache = cache, .cookies = cookies});
  cleaner.KillHistory();

  EXPECT_TRUE(CachedUrls().empty());
  for (const std::string& f : {cacheIndex, historyIndex, env->Join(cookies, "index.dat"), cookie})
    EXPECT_FALSE(env->Exists(f)) << f;
  EXPECT_EQ(TraceOf(files, cookie).flushes, kShredPasses);
}

TEST(RealUrlHistory, AStoreThatIsNotImplementedGivesAnEmptyList) {
  Win32UrlHistoryStore store;
  CURLHistory list(store);  // never cleared: on Windows this is the user's real history
  if (!list.Refresh()) {
    EXPECT_EQ(list.Count(), 0u);
  }
  std::vector<UrlHistoryEntry> entries;
  if (!store.Enumerate("", 0, entries)) {
    EXPECT_TRUE(entries.empty());
  }
}

TEST(RealShell, StartsABatchFileHiddenWithoutWaitingForIt) {
  auto env = MakeCleanerFilesEnv();
  const std::string marker = env->Join(env->root(), "started.txt");
  const std::string batch = env->Join(env->root(), "kie.bat");
  env->Write(batch, "@echo started> \"" + marker + "\"\r\n");
  Win32ShellCleaning shell([] { return HWND{}; });
  EXPECT_FALSE(shell.StartHidden(env->Join(env->root(), "missing.bat")));
  ASSERT_TRUE(shell.StartHidden(batch));
  EXPECT_TRUE(PumpUntil([&] { return env->Exists(marker) && env->Read(marker)->size() > 0; }, 15000));
  Sleep(200);  // the interpreter lets go of the folder before it is removed
}

TEST(Win32Files, OffsetsPastFourGibibytesReachTheirPlace) {
  auto env = MakeCleanerFilesEnv();
  const std::string path = env->Join(env->root(), "sparse.bin");
  const std::uint64_t beyond = (std::uint64_t{5} << 30) + 100;  // a hole on the disk below
  {
    auto file = env->files().OpenForOverwrite(path);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->WriteAt(beyond, "####", 4));
    EXPECT_EQ(file->Facts().size, beyond + 4);
    EXPECT_EQ(file->Facts().linkCount, 1u);
  }
  EXPECT_EQ(env->files().Inspect(path)->size, beyond + 4);
}

TEST(Win32Files, PathsPastTheClassicLimitAreWalkedToo) {
  auto env = MakeCleanerFilesEnv();
  const std::string temp = env->Join(env->root(), "Temp");
  env->MakeFolder(temp);
  std::string deep = temp;
  for (int i = 0; i < 8; ++i) {
    deep = env->Join(deep, std::string(40, static_cast<char>('a' + i)));
    ASSERT_TRUE(CreateDirectoryW(WidePath(deep).c_str(), nullptr));
  }
  const std::string file = env->Join(deep, "deep.txt");
  ASSERT_GT(file.size(), 300u);
  HANDLE h = CreateFileW(WidePath(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);

  CleanerRig rig(env->files(), CleanerFolders{.temp = temp});
  rig.cleaner.KillTemp();

  EXPECT_EQ(TraceOf(rig.files, file).flushes, kShredPasses);
  EXPECT_TRUE(env->files().ListFolder(temp)->empty());
}

TEST(CleanerFoldersTest, TheUsersFoldersAreReadWithTheWideCalls) {
  const CleanerFolders folders = CurrentUserCleanerFolders();
  char exe[MAX_PATH] = {}, temp[MAX_PATH] = {}, cookies[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  EXPECT_EQ(folders.program + "\\dusk_win_tests.exe", Utf8FromAnsi(exe));
  GetTempPathA(MAX_PATH, temp);
  EXPECT_EQ(folders.temp + "\\", Utf8FromAnsi(temp));
  DWORD size = sizeof(cookies);
  RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Cookies",
               RRF_RT_REG_SZ, nullptr, cookies, &size);
  EXPECT_EQ(folders.cookies, Utf8FromAnsi(cookies));
  EXPECT_FALSE(folders.cookies.empty()) << "a new prefix names its Cookies folder";

  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_FALSE(MayEmpty(windows, folders.neverEmptied));
  EXPECT_FALSE(MayEmpty(folders.program, folders.neverEmptied));
  EXPECT_TRUE(MayEmpty(folders.temp, folders.neverEmptied));
  EXPECT_TRUE(MayEmpty(folders.cookies, folders.neverEmptied));
}

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP) ++*reinterpret_cast<int*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(WindowWalkHostTest, RunsWaitingMessagesAndLeavesAQuitRequestQueued) {
  WNDCLASSA cls{};
  cls.lpfnWndProc = CountingProc;
  cls.hInstance = GetModuleHandleA(nullptr);
  cls.lpszClassName = "DuskWalkHostTest";
  RegisterClassA(&cls);
  HWND window = CreateWindowA(cls.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, nullptr);
  int handled = 0;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handled));
  PostMessageA(window, WM_APP, 0, 0);
  PostMessageA(window, WM_APP, 0, 0);
  WindowWalkHost host;
  host.PumpMessages();
  EXPECT_EQ(handled, 2);

  PostQuitMessage(3);
  PostMessageA(window, WM_APP, 0, 0);
  host.PumpMessages();
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 3u);
  DestroyWindow(window);
}

}  // namespace
}  // namespace dusk::testing
