// The program's one cleaner: the task boxes of the cleaner page, the cleaner over the
// user's folders, registry and shell, and the runs the countdown, the schedule
// confirmation and the tray menu ask for. The main window owns it.
#pragma once
#include <windows.h>

#include <memory>

#include "cleaner/privacy_cleaning.h"
#include "platform/shell_cleaning.h"

namespace dusk {

class ShellServices;
struct Win32CleanerPlatform;

class ProgramCleaner : private CleaningHost, private CleanerSteps {
 public:
  // Sent to the main window: commands chosen during a task-table run are due.
  static constexpr UINT kRunQueuedMessage = WM_APP + 42;

  // `shellCleaning` carries out the recycle bin, the recent documents and the starts
  // of the batch files (the program's own, so that the test build only records them).
  ProgramCleaner(ShellServices& shell, ShellCleaning& shellCleaning);
  ~ProgramCleaner() override;
  ProgramCleaner(const ProgramCleaner&) = delete;
  ProgramCleaner& operator=(const ProgramCleaner&) = delete;

  CleanerPage& page() { return page_; }
  PrivacyCleaning& cleaning() { return cleaning_; }

  // Reads the user's folders, lists the URL cache and the URL history: a step of the
  // start-up; the first cleaning step does it when start-up did not get that far.
  void Start();

 private:
  PrivacyCleanerSteps& Steps();

  // CleaningHost
  Dialogs& Messages() override;
  void ShowWorkingWindow() override;
  void HideWorkingWindow() override;
  void RunQueuedLater() override;

  // CleanerSteps
  bool StartBatchFile(const std::string& name) override { return Steps().StartBatchFile(name); }
  void EmptyRec(std::uint32_t flags) override { Steps().EmptyRec(flags); }
  void ClearRecentDocuments() override { Steps().ClearRecentDocuments(); }
  void ClearIEHistory() override { Steps().ClearIEHistory(); }
  void ClearMediaPlayerList() override { Steps().ClearMediaPlayerList(); }
  void ClearPaintList() override { Steps().ClearPaintList(); }
  void ClearRunMRU() override { Steps().ClearRunMRU(); }
  void ClearSearchMRU() override { Steps().ClearSearchMRU(); }
  void ClearRecentDocs() override { Steps().ClearRecentDocs(); }
  void KillTemp() override { Steps().KillTemp(); }
  void KillHistory() override { Steps().KillHistory(); }

  ShellServices& shell_;
  ShellCleaning& shellCleaning_;
  CleanerPage page_;
  PrivacyCleaning cleaning_;
  std::unique_ptr<Win32CleanerPlatform> platform_;
  std::unique_ptr<PrivacyCleaner> cleaner_;
  std::unique_ptr<PrivacyCleanerSteps> steps_;
};

}  // namespace dusk
