// The password page (Picture6): "Enable password protection", the stored password
// shown masked in the frame "Enter the Password", and the page's buttons.
#pragma once
#include "password/password_protection.h"
#include "timer/win/timer_window.h"

namespace dusk {

class PasswordPageWin : public TimerWindow {
 public:
  PasswordPageWin(HWND picture6, PasswordProtection& protection);

  // The box, the two password fields, and what the box enables.
  void Show(const PasswordPage& page);

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // Frame6: a see-through panel with a rule and its caption, greyed while disabled;
  // disabling it disables what it holds.
  class Frame : public TimerWindow {
   public:
    HWND Create(HWND page, int x, int y, int width, int height);

   protected:
    LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
  };

  void OnCommand(int id, int code);
  HWND Item(int id) const;

  PasswordProtection& protection_;
  Frame frame_;
};

}  // namespace dusk
