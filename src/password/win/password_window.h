// What the prompt and the change-password window share: a borderless window placed
// where the system puts new windows, the evening-sky background, masked entry fields,
// moving by a press anywhere on the background, Enter for Ok and Esc for Cancel.
#pragma once
#include <windows.h>

#include <string>

#include "timer/win/timer_window.h"

namespace dusk {

class PasswordWindow : public TimerWindow {
 protected:
  // Creates the hidden window `width` x `height` pixels at the system's place for a
  // new window.
  HWND CreateBorderless(const char* className, DWORD exStyle, int width, int height);
  // A single-line entry that shows "*" for each character.
  HWND MakePasswordField(int id, int x, int y, int width);
  // The "Ok" and "Cancel" buttons, 100 x 32 pixels, in the tab order after the fields.
  void MakeOkCancel(int okId, int okX, int cancelId, int cancelX, int y);
  // The field that takes the keyboard when the window becomes active.
  virtual HWND FirstField() const = 0;
  virtual void OnOk() = 0;
  virtual void OnCancel() = 0;
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

  void ShowActive();
  std::string FieldText(int id) const { return WindowText(GetDlgItem(hwnd(), id)); }

 private:
  int okId_ = IDOK, cancelId_ = IDCANCEL;
  HWND focus_ = nullptr;  // the control that had the keyboard when the window went inactive
};

// Puts the keyboard in an entry field with its whole text selected, so that typing
// replaces it.
void FocusAndSelect(HWND field);

}  // namespace dusk
