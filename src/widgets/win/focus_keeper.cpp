#include "widgets/win/focus_keeper.h"

namespace dusk {

void FocusKeeper::OnActivate(HWND window, WPARAM activateWp, HWND fallback) {
  if (LOWORD(activateWp) == WA_INACTIVE) {
    HWND focused = GetFocus();
    if (focused && IsChild(window, focused)) last_ = focused;
    return;
  }
  if (HIWORD(activateWp)) return;  // minimised: nothing to type into
  if (HWND target = Target(window, fallback)) SetFocus(target);
}

HWND FocusKeeper::Target(HWND window, HWND fallback) const {
  const bool usable = last_ && IsChild(window, last_) && IsWindowVisible(last_) && IsWindowEnabled(last_);
  return usable ? last_ : fallback;
}

}  // namespace dusk
