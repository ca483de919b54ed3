#include "schedule/win/schedule_part.h"

#include <vector>

#include "app/app_identity.h"
#include "schedule/win/confirmation_window.h"
#include "schedule/win/schedule_editor_window.h"
#include "schedule/win/schedule_list_page.h"

namespace dusk {
namespace {

class SchedulePart : public StartupPart {
 public:
  SchedulePart(ShellServices& shell, HWND picture7, std::unique_ptr<ScheduleRows> rows)
      : shell_(shell),
        rows_(std::move(rows)),
        confirmation_(shell),
        page_(picture7, {[this] { Guarded(PendingCommand::Add, [this] { AddClick(); }); },
                         [this] { Guarded(PendingCommand::Delete, [this] { DeleteClick(); }); },
                         [this] {
                           Guarded(PendingCommand::DeleteAll, [this] { DeleteAllClick(); });
                         },
                         [this] { DestroyRetiredEditors(); }}) {
    CreateEditor();
  }

 private:
  void Guarded(PendingCommand command, std::function<void()> work) {
    shell_.Password().Guard(command, std::move(work));
  }

  // The editor is made anew after every deletion. One whose handler is still running
  // (its Save waits for an answer, and the deletion came from the main window
  // meanwhile) is only retired: it is destroyed once that handler has returned.
  void CreateEditor() {
    if (editor_ && editor_->Busy()) {
      ScheduleEditorWindow* leaving = editor_.get();
      retired_.push_back(std::move(editor_));
      leaving->Retire([this] { page_.PostTidyUp(); });
    }
    editor_.reset();
    editor_ = std::make_unique<ScheduleEditorWindow>(
        shell_, *rows_, watcher_,
        ScheduleEditorHooks{[this] { page_.Clear(); },
                            [this](const std::vector<ScheduleRow>& rows) { page_.Append(rows); },
                            [this](const std::string& word) { confirmation_.Show(word); }});
    editor_->Create();
  }

  void DestroyRetiredEditors() {
    std::erase_if(retired_, [](const auto& editor) { return !editor->Busy(); });
  }

  void AddClick() { editor_->ShowEditor(); }

  bool ListIsEmpty() {
    if (page_.RowCount() > 0) return false;
    shell_.Messages().Show("There are no Schedules in the List!!", "NO SCHEDULES", MsgButtons::Ok,
                           MsgIcon::Critical);
    return true;
  }

  void DeleteClick() {
    if (ListIsEmpty()) return;
    watcher_.Pause();
    std::string error;
    if (!rows_->DeleteAt(page_.SelectedPosition(), error))
      shell_.Messages().Show(error, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
    page_.Clear();
    CreateEditor();
  }

  void DeleteAllClick() {
    if (ListIsEmpty()) return;
    watcher_.Pause();
    std::string error;
    if (!rows_->DeleteAll(error))
      shell_.Messages().Show(error, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
    page_.Clear();
    CreateEditor();
  }

  ShellServices& shell_;
  std::unique_ptr<ScheduleRows> rows_;
  ScheduleWatcher watcher_;
  ConfirmationWindow confirmation_;
  ScheduleListPage page_;
  std::unique_ptr<ScheduleEditorWindow> editor_;
  std::vector<std::unique_ptr<ScheduleEditorWindow>> retired_;
};

}  // namespace

std::unique_ptr<StartupPart> CreateSchedulePartWith(ShellServices& shell, HWND picture7,
                                                    std::unique_ptr<ScheduleRows> rows) {
  return std::make_unique<SchedulePart>(shell, picture7, std::move(rows));
}

std::unique_ptr<StartupPart> CreateSchedulePart(ShellServices& shell, HWND picture7) {
  return CreateSchedulePartWith(shell, picture7, OpenScheduleFile(shell.DataFolder()));
}

}  // namespace dusk
