// Starting the cleaner's batch files: run by the command interpreter with no window,
// from a folder whose name has spaces and the characters cmd treats specially, and
// never waited for.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "contract/cleaner_files_env.h"
#include "platform/win32/win32_shell_cleaning.h"

namespace dusk::testing {
namespace {

bool WaitFor(const std::function<bool()>& done, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    Sleep(50);
  }
  return true;
}

// A batch file that says it started, then waits (a minute at most) for the test's
// go-ahead before it says it finished: it can only finish after StartHidden returned.
class WaitingBatch {
 public:
  explicit WaitingBatch(CleanerFilesEnv& env) : env_(env) {
    folder_ = env.Join(env.root(), "Run & test! 100 here");
    env.MakeFolder(folder_);
    batch_ = env.Join(folder_, "kie.bat");
    started_ = env.Join(folder_, "started.txt");
    finished_ = env.Join(folder_, "finished.txt");
    go_ = env.Join(folder_, "go.txt");
    env.Write(batch_, "@echo off\r\n"
                      "echo %~nx0> \"" + started_ + "\"\r\n"
                      "set n=0\r\n"
                      ":wait\r\n"
                      "if exist \"" + go_ + "\" goto done\r\n"
                      "set /a n+=1\r\n"
                      "if %n% GTR 60 goto :eof\r\n"
                      "ping -n 2 127.0.0.1 >nul\r\n"
                      "goto wait\r\n"
                      ":done\r\n"
                      "echo finished> \"" + finished_ + "\"\r\n");
  }
  // Lets the batch file end before the folder is removed.
  ~WaitingBatch() {
    if (!env_.Exists(go_)) env_.Write(go_, "go");
    WaitFor([&] { return env_.Exists(finished_); }, 5000);
    Sleep(200);  // cmd lets go of the folder
  }
  const std::string& path() const { return batch_; }
  std::optional<std::string> Started() { return env_.Read(started_); }
  bool Finished() { return env_.Exists(finished_); }
  void Go() { env_.Write(go_, "go"); }

 private:
  CleanerFilesEnv& env_;
  std::string folder_, batch_, started_, finished_, go_;
};

TEST(StartHidden, RunsTheBatchFileFromAFolderWithSpacesAndReturnsAtOnce) {
  auto env = MakeCleanerFilesEnv();
  WaitingBatch batch(*env);
  Win32ShellCleaning shell([] { return HWND{}; });

  const DWORD before = GetTickCount();
  ASSERT_TRUE(shell.StartHidden(batch.path()));
  EXPECT_LT(GetTickCount() - before, 2000u);
  EXPECT_FALSE(batch.Finished()) << "returned only after the batch file had ended";

  ASSERT_TRUE(WaitFor([&] { return batch.Started().value_or("").size() > 0; }, 15000));
  EXPECT_EQ(*batch.Started(), "kie.bat\r\n") << "the batch file ran, under its own name";
  batch.Go();
  EXPECT_TRUE(WaitFor([&] { return batch.Finished(); }, 15000));
}

TEST(StartHidden, UsesTheSystemsInterpreterWhateverComspecSays) {
  auto env = MakeCleanerFilesEnv();
  WaitingBatch batch(*env);
  Win32ShellCleaning shell([] { return HWND{}; });
  char comspec[MAX_PATH] = {};
  const DWORD had = GetEnvironmentVariableA("COMSPEC", comspec, MAX_PATH);
  SetEnvironmentVariableA("COMSPEC", "C:\\nowhere\\othershell.exe");
  const bool started = shell.StartHidden(batch.path());
  SetEnvironmentVariableA("COMSPEC", had ? comspec : nullptr);
  ASSERT_TRUE(started);
  EXPECT_TRUE(WaitFor([&] { return batch.Started().has_value(); }, 15000));
}

TEST(StartHidden, AMissingFileOrAFolderIsNotStarted) {
  auto env = MakeCleanerFilesEnv();
  Win32ShellCleaning shell([] { return HWND{}; });
  EXPECT_FALSE(shell.StartHidden(env->Join(env->root(), "missing.bat")));
  EXPECT_FALSE(shell.StartHidden(env->Join(env->Join(env->root(), "no folder"), "kp.bat")));
  EXPECT_FALSE(shell.StartHidden(env->root()));
  EXPECT_FALSE(shell.StartHidden(""));
}

}  // namespace
}  // namespace dusk::testing
