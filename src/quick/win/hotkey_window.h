// "hotkey": the small window (caption "Form4") that receives the hotkeys. It stays
// hidden except to announce a shutdown; minimising or closing it only hides it, so
// the hotkeys stay registered for the whole run.
#pragma once
#include <functional>
#include <string>

#include "timer/win/timer_window.h"

namespace dusk {

class HotkeyWindow : public TimerWindow {
 public:
  // `pressed` gets the number of each hotkey pressed.
  explicit HotkeyWindow(std::function<void(int)> pressed);
  ~HotkeyWindow() override;

  void SetLabel(const std::string& text);
  void ShowCentred();

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  std::function<void(int)> pressed_;
};

}  // namespace dusk
