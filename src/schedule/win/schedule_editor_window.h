// The hidden editor window "Schedule": the entry of one schedule, and the timer that
// wakes the watcher when a stored schedule may come due.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "app/form_position.h"
#include "app/win/shell_services.h"
#include "schedule/schedule_save.h"
#include "schedule/schedule_watcher.h"
#include "schedule/win/dialog_keys.h"
#include "timer/win/timer_window.h"

namespace dusk {

struct ScheduleEditorHooks {
  std::function<void()> clearList;
  std::function<void(const std::vector<ScheduleRow>&)> fillList;
  std::function<void(const std::string& word)> confirm;
};

class ScheduleEditorWindow : public TimerWindow {
 public:
  // `watcher` outlives the editor: the rows taken in a minute stay taken when the
  // editor is made anew.
  ScheduleEditorWindow(ShellServices& shell, ScheduleRows& rows, ScheduleWatcher& watcher,
                       ScheduleEditorHooks hooks);
  ~ScheduleEditorWindow() override;

  // Creates the hidden window, opens the rows and fills the list.
  void Create();
  void ShowEditor();
  EditorChoices Choices() const;
  void Save();
  // Lists the rows anew and watches them.
  void FillList();
  // Takes the rows due now and sets the timer for the next look.
  void WatchNow();

  // True while one of the window's handlers runs (a message box of Save, say).
  bool Busy() const { return depth_ > 0; }
  // Lets go of the list, the watcher and the screen for good; `idle` is called once
  // no handler of the window runs any more, so that its owner can destroy it then.
  void Retire(std::function<void()> idle);

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  LRESULT HandleMessage(HWND w, UINT msg, WPARAM wp, LPARAM lp);
  void BuildControls(HWND w);
  void ClockTick();  // shows the current time in the clock label
  void UpdateKindLabels();

  ShellServices& shell_;
  PositionServices positions_;
  ScheduleRows& rows_;
  ScheduleWatcher& watcher_;
  ScheduleEditorHooks hooks_;
  DialogKeys keys_;
  HIMAGELIST images_ = nullptr;
  int depth_ = 0;
  bool retired_ = false;
  std::function<void()> idle_;
};

}  // namespace dusk
