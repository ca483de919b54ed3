// The schedule page of the main window: the list of stored schedules and the Add,
// Delete and Delete All buttons.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "schedule/schedule_editor_rows.h"
#include "timer/win/timer_window.h"

namespace dusk {

struct ScheduleListEvents {
  std::function<void()> add, remove, removeAll;
  std::function<void()> tidyUp;  // from the message loop, after PostTidyUp
};

class ScheduleListPage : public TimerWindow {
 public:
  ScheduleListPage(HWND picture7, ScheduleListEvents events);
  ~ScheduleListPage() override;

  void Clear();
  // Appends one list row per schedule row; does not clear the list first.
  void Append(const std::vector<ScheduleRow>& rows);
  int RowCount() const;
  // The 1-based position of the selected row; the first row when none is selected.
  int SelectedPosition() const;
  // Asks for the tidyUp event once the running handlers have returned.
  void PostTidyUp();

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HWND list_ = nullptr;
  HIMAGELIST images_ = nullptr;
  ScheduleListEvents events_;
};

}  // namespace dusk
