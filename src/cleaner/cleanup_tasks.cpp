#include "cleaner/cleanup_tasks.h"

#include "cleaner/registry_lists.h"

namespace dusk {

void PrivacyCleanerSteps::ClearIEHistory() { dusk::ClearIEHistory(registry_); }
void PrivacyCleanerSteps::ClearMediaPlayerList() { dusk::ClearMediaPlayerList(registry_); }
void PrivacyCleanerSteps::ClearPaintList() { dusk::ClearPaintList(registry_); }
void PrivacyCleanerSteps::ClearRunMRU() { dusk::ClearRunMRU(registry_); }
void PrivacyCleanerSteps::ClearSearchMRU() { dusk::ClearSearchMRU(registry_); }
void PrivacyCleanerSteps::ClearRecentDocs() { dusk::ClearRecentDocs(registry_, shell_); }

const std::vector<CleanupTask>& CleanupTaskTable() {
  // kie.bat closes the browser before anything touches its data or the temporary folder;
  // kwmp.bat and kp.bat close the player and Paint before their lists go. The history
  // and cookies rows are their batch files alone.
  static const std::vector<CleanupTask> table{
      {kCheck1, {}, CleanupOperation::EmptyRecycleBin},
      {kCheck2, {}, CleanupOperation::ClearRecentDocuments},
      {kCheck3, {"kie.bat"}, CleanupOperation::ClearIEHistory},
      {kCheck4, {"kie.bat", "sys.bat"}, CleanupOperation::None},
      {kCheck5, {"kwmp.bat"}, CleanupOperation::ClearMediaPlayerList},
      {kCheck6, {"system.bat"}, CleanupOperation::None},
      {kCheck7, {"kp.bat"}, CleanupOperation::ClearPaintList},
      {kCheck8, {}, CleanupOperation::ClearRunMRU},
      {kCheck9, {"kie.bat"}, CleanupOperation::KillTemp},
  };
  return table;
}

void RunOperation(CleanerSteps& steps, CleanupOperation operation) {
  switch (operation) {
    case CleanupOperation::None:
      return;
    case CleanupOperation::EmptyRecycleBin:
      return steps.EmptyRec(kEmptyRecycleBinFlags);
    case CleanupOperation::ClearRecentDocuments:
      return steps.ClearRecentDocuments();
    case CleanupOperation::ClearIEHistory:
      return steps.ClearIEHistory();
    case CleanupOperation::ClearMediaPlayerList:
      return steps.ClearMediaPlayerList();
    case CleanupOperation::ClearPaintList:
      return steps.ClearPaintList();
    case CleanupOperation::ClearRunMRU:
      return steps.ClearRunMRU();
    case CleanupOperation::KillTemp:
      return steps.KillTemp();
  }
}

void RunCleanupTaskTable(const CleanupBoxes& boxes, CleanerSteps& steps) {
  // The boxes are copied: the page may change while a walk lets messages run.
  const CleanupBoxes chosen = boxes;
  for (const CleanupTask& task : CleanupTaskTable()) {
    if (!chosen[task.box]) continue;
    for (const char* file : task.batchFiles) steps.StartBatchFile(file);
    RunOperation(steps, task.operation);
  }
}

void CleanAll(CleanerSteps& steps) {
  steps.KillHistory();
  steps.ClearSearchMRU();
  steps.ClearMediaPlayerList();
  steps.ClearPaintList();
  steps.ClearRecentDocs();
  steps.ClearRunMRU();
  steps.KillTemp();
  steps.StartBatchFile("sys.bat");
  steps.StartBatchFile("system.bat");
}

}  // namespace dusk
