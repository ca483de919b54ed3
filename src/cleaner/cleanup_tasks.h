// The cleaning task table run before every timed or scheduled power action, and the
// "Delete All" run, over the cleaner's steps.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cleaner/cleaner_page.h"
#include "cleaner/privacy_cleaner.h"
#include "platform/registry.h"
#include "platform/shell_cleaning.h"

namespace dusk {

// Every step a task, "Delete All" or a tray command takes, one call each.
class CleanerSteps {
 public:
  virtual ~CleanerSteps() = default;
  // A batch file of the program's folder started hidden; false when it could not be
  // started (a missing file). Never waited for.
  virtual bool StartBatchFile(const std::string& name) = 0;
  virtual void EmptyRec(std::uint32_t flags) = 0;
  virtual void ClearRecentDocuments() = 0;  // the shell's list only
  virtual void ClearIEHistory() = 0;
  virtual void ClearMediaPlayerList() = 0;
  virtual void ClearPaintList() = 0;
  virtual void ClearRunMRU() = 0;
  virtual void ClearSearchMRU() = 0;
  virtual void ClearRecentDocs() = 0;  // the shell's list and its registry list
  virtual void KillTemp() = 0;
  virtual void KillHistory() = 0;
};

// The steps carried out by the program's cleaner on the user's registry and shell.
class PrivacyCleanerSteps : public CleanerSteps {
 public:
  PrivacyCleanerSteps(PrivacyCleaner& cleaner, Registry& registry, ShellCleaning& shell)
      : cleaner_(cleaner), registry_(registry), shell_(shell) {}

  bool StartBatchFile(const std::string& name) override { return cleaner_.StartBatchFile(name); }
  void EmptyRec(std::uint32_t flags) override { cleaner_.EmptyRec(flags); }
  void ClearRecentDocuments() override { shell_.ClearRecentDocuments(); }
  void ClearIEHistory() override;
  void ClearMediaPlayerList() override;
  void ClearPaintList() override;
  void ClearRunMRU() override;
  void ClearSearchMRU() override;
  void ClearRecentDocs() override;
  void KillTemp() override { cleaner_.KillTemp(); }
  void KillHistory() override { cleaner_.KillHistory(); }

 private:
  PrivacyCleaner& cleaner_;
  Registry& registry_;
  ShellCleaning& shell_;
};

// Every recycle bin, without asking, without progress and without sound.
inline constexpr std::uint32_t kEmptyRecycleBinFlags =
    recyclebin::NoConfirmation | recyclebin::NoProgressUi | recyclebin::NoSound;

enum class CleanupOperation {
  None,
  EmptyRecycleBin,
  ClearRecentDocuments,
  ClearIEHistory,
  ClearMediaPlayerList,
  ClearPaintList,
  ClearRunMRU,
  KillTemp,
};

// One row: the box that chooses it, the batch files started first (in order) and the
// operation after them.
struct CleanupTask {
  CleanupBox box;
  std::vector<const char*> batchFiles;
  CleanupOperation operation;
};

// The nine rows in the order they run.
const std::vector<CleanupTask>& CleanupTaskTable();

void RunOperation(CleanerSteps& steps, CleanupOperation operation);

// Runs the rows whose box is ticked, in table order; shows nothing. A batch file that
// cannot be started is skipped and the run goes on.
void RunCleanupTaskTable(const CleanupBoxes& boxes, CleanerSteps& steps);

// "Delete All": every kind of trace at once, except the recycle bin.
void CleanAll(CleanerSteps& steps);

}  // namespace dusk
