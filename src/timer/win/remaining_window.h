// "timeleft": the small borderless window that shows the seconds left of a
// countdown. Cut to a rounded outline, dragged by any mouse button, and its
// position is remembered when a drag ends.
#pragma once
#include "app/form_position.h"
#include "timer/win/timer_window.h"

namespace dusk {

inline constexpr int kTimeleftLblcap = 1501;

class RemainingWindowWin : public TimerWindow {
 public:
  explicit RemainingWindowWin(PositionServices positions) : positions_(positions) {}
  ~RemainingWindowWin() override;

  void Load();
  void SetLabel(const std::string& text);
  void Show();
  void Hide();

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  PositionServices positions_;
  HFONT font_ = nullptr;
  std::string shown_ = "Timer Disabled";
};

}  // namespace dusk
