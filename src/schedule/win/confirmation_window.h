// "frmRestart": announces a due schedule, counts 15 seconds on a bar, then runs the
// ticked cleaning tasks and requests the action. Cancel may need the password.
#pragma once
#include <deque>
#include <string>

#include "app/win/shell_services.h"
#include "schedule/win/dialog_keys.h"
#include "timer/win/timer_window.h"

namespace dusk {

class ConfirmationWindow : public TimerWindow {
 public:
  explicit ConfirmationWindow(ShellServices& shell);
  // Opens the window for `word` with a fresh count. A word handed over while a
  // window is open waits, and gets a window and a count of its own after that one.
  void Show(const std::string& word);
  // Runs the cleaning tasks and requests the action of the open window, once: a
  // second press (the cleaning lets the message loop run) and Cancel are refused
  // while it runs.
  void PerformNow();
  void Cancel();
  int bar() const { return bar_; }
  std::size_t waiting() const { return waiting_.size(); }

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Open(const std::string& word);
  void Tick();
  // Closes the window and opens the next waiting one, if any.
  void Close();

  ShellServices& shell_;
  DialogKeys keys_;
  std::string word_;  // the open window's word, fixed for its life
  std::deque<std::string> waiting_;
  int bar_ = 0;
  bool performing_ = false;
  unsigned generation_ = 0;  // which window a pending password answer closes
};

}  // namespace dusk
