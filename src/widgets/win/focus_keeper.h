// Gives the keyboard back to the control that had it when a window was left, as a
// dialog box does when it is activated again.
#pragma once
#include <windows.h>

namespace dusk {

class FocusKeeper {
 public:
  // For WM_ACTIVATE: going inactive remembers the control of `window` that has the
  // focus; activated (and not minimised), focuses it again, or `fallback` when it is
  // gone, hidden or disabled (nothing when `fallback` is null).
  void OnActivate(HWND window, WPARAM activateWp, HWND fallback);
  // The control that should have the keyboard now: the remembered one while it can
  // still take it, else `fallback`.
  HWND Target(HWND window, HWND fallback) const;

 private:
  HWND last_ = nullptr;
};

}  // namespace dusk
