// What a dialog box does for the keyboard, for the scheduler's own windows, whose
// messages the message loop hands to IsDialogMessage: Tab and the arrows move the
// focus (IsDialogMessage asks the window itself with WM_NEXTDLGCTL), Enter presses the
// focused push button or else the window's default one, and activation puts the focus
// back on the control that had it.
#pragma once
#include <windows.h>

namespace dusk {

class DialogKeys {
 public:
  // `defaultId`: the button Enter presses while no push button has the focus;
  // `firstFocus`: the control focused the first time the window is activated.
  DialogKeys(int defaultId, int firstFocus) : defaultId_(defaultId), firstFocus_(firstFocus) {}
  // Answers the messages above; false for every other message.
  bool Handle(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 private:
  int defaultId_;
  int firstFocus_;
  HWND lastFocus_ = nullptr;
};

}  // namespace dusk
