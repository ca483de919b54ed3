#include "schedule/win/dialog_keys.h"

namespace dusk {
namespace {

bool IsPushButton(HWND control) {
  const LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
  return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void Focus(HWND window, HWND control) {
  if (!control || !IsChild(window, control)) return;
  SetFocus(control);
}

}  // namespace

bool DialogKeys::Handle(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_NEXTDLGCTL: {
      // lParam set: wParam is the control; else the next (0) or previous tab stop.
      HWND from = GetFocus();
      HWND to = lp ? reinterpret_cast<HWND>(wp)
                   : GetNextDlgTabItem(window, IsChild(window, from) ? from : nullptr, wp != 0);
      Focus(window, to);
      result = 0;
      return true;
    }
    case DM_GETDEFID: {
      HWND focused = GetFocus();
      const int id = IsChild(window, focused) && IsPushButton(focused) ? GetDlgCtrlID(focused)
                                                                       : defaultId_;
      result = MAKELRESULT(id, DC_HASDEFID);
      return true;
    }
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (IsChild(window, focused)) lastFocus_ = focused;
      } else if (!HIWORD(wp)) {  // not while minimised
        HWND back = lastFocus_ && IsChild(window, lastFocus_) && IsWindowEnabled(lastFocus_)
                        ? lastFocus_
                        : GetDlgItem(window, firstFocus_);
        Focus(window, back);
      }
      result = 0;
      return true;
  }
  return false;
}

}  // namespace dusk
