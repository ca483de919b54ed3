#include "schedule/win/schedule_part.h"

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
                         }}) {
    CreateEditor();
  }

 private:
  void Guarded(PendingCommand command, std::function<void()> work) {
    shell_.Password().Guard(command, std::move(work));
  }

  void CreateEditor() {
    editor_.reset();
    editor_ = std::make_unique<ScheduleEditorWindow>(
        shell_, *rows_,
        ScheduleEditorHooks{[this] { page_.Clear(); },
                            [this](const std::vector<ScheduleRow>& rows) { page_.Append(rows); },
                            [this](const std::string& word) { confirmation_.Show(word); }});
    editor_->Create();
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
    editor_->scan().SetEnabled(false);
    std::string error;
    if (!rows_->DeleteAt(page_.SelectedPosition(), error))
      shell_.Messages().Show(error, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
    page_.Clear();
    CreateEditor();
  }

  void DeleteAllClick() {
    if (ListIsEmpty()) return;
    editor_->scan().SetEnabled(false);
    std::string error;
    if (!rows_->DeleteAll(error))
      shell_.Messages().Show(error, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
    page_.Clear();
    CreateEditor();
  }

  ShellServices& shell_;
  std::unique_ptr<ScheduleRows> rows_;
  ConfirmationWindow confirmation_;
  ScheduleListPage page_;
  std::unique_ptr<ScheduleEditorWindow> editor_;
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
