// "frmRestart": announces a due schedule, counts 15 seconds on a bar, then runs the
// ticked cleaning tasks and requests the action. Cancel may need the password.
#pragma once
#include <string>

#include "app/win/shell_services.h"
#include "timer/win/timer_window.h"

namespace dusk {

class ConfirmationWindow : public TimerWindow {
 public:
  explicit ConfirmationWindow(ShellServices& shell) : shell_(shell) {}
  // Creates the window with a fresh count when none is open; a word handed over
  // while it is open replaces the word and the count goes on.
  void Show(const std::string& word);
  void PerformNow();
  void Cancel();
  int bar() const { return bar_; }

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Create();
  void Tick();
  void Close();

  ShellServices& shell_;
  std::string word_;
  int bar_ = 0;
  unsigned generation_ = 0;  // which window a pending password answer closes
};

}  // namespace dusk
