// The hidden editor window "Schedule": the entry of one schedule, and the clock, scan
// and re-arm timers that watch the stored schedules for the one that is due.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "app/form_position.h"
#include "app/win/shell_services.h"
#include "schedule/schedule_editor_clock.h"
#include "schedule/schedule_save.h"
#include "timer/win/timer_window.h"

namespace dusk {

struct ScheduleEditorHooks {
  std::function<void()> clearList;
  std::function<void(const std::vector<ScheduleRow>&)> fillList;
  std::function<void(const std::string& word)> confirm;
};

class ScheduleEditorWindow : public TimerWindow {
 public:
  ScheduleEditorWindow(ShellServices& shell, ScheduleRows& rows, ScheduleEditorHooks hooks);
  ~ScheduleEditorWindow() override;

  // Creates the hidden window, opens the rows and fills the list.
  void Create();
  void ShowEditor();
  EditorChoices Choices() const;
  void Save();
  // Lists the rows anew and lets the scan walk them from the first.
  void FillList();
  ScheduleScan& scan() { return scan_; }
  void ScanTick();

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void BuildControls(HWND w);
  void ReadClock();  // the watcher's clock values, without showing them
  void ClockTick();  // reads the clock and shows it in the clock label
  void UpdateKindLabels();
  void ApplyScanTimer();

  ShellServices& shell_;
  PositionServices positions_;
  ScheduleRows& rows_;
  ScheduleEditorHooks hooks_;
  ScheduleScan scan_;
  ClockValues clock_;
  HIMAGELIST images_ = nullptr;
  bool scanTimerOn_ = false;
  unsigned scanTimerInterval_ = 0;
};

}  // namespace dusk
