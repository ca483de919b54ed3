#include "password/win/password_window.h"

#include "app/win/hwnd_position.h"
#include "app/win/window_class.h"
#include "password/password_settings.h"
#include "timer/win/program_buttons.h"

namespace dusk {

HWND PasswordWindow::CreateBorderless(const char* className, DWORD exStyle, int width,
                                      int height) {
  // Only an overlapped window gets the system's default place; the caption and frame it
  // comes with are taken off at once, before the window is ever shown. No clipping of
  // children: the see-through labels rely on the sky being painted beneath them.
  HWND w = CreateAs(className, exStyle | WS_EX_CONTROLPARENT, WS_OVERLAPPED, CW_USEDEFAULT,
                    CW_USEDEFAULT, width, height, nullptr);
  if (!w) return nullptr;
  SetWindowLongPtrA(w, GWL_STYLE, WS_POPUP);
  SetWindowPos(w, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return w;
}

HWND PasswordWindow::MakePasswordField(int id, int x, int y, int width) {
  HWND field = MakeControl(hwnd(), "EDIT", "", WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL, id, x, y,
                           width, 22, WS_EX_CLIENTEDGE);
  SendMessageA(field, EM_SETPASSWORDCHAR, '*', 0);
  SendMessageA(field, EM_LIMITTEXT, kPasswordMaxChars, 0);
  return field;
}

void PasswordWindow::MakeOkCancel(int okId, int okX, int cancelId, int cancelX, int y) {
  okId_ = okId;
  cancelId_ = cancelId;
  HWND ok = MakeCandyButton(hwnd(), okId, "Ok", okX, y, 100, 32);
  HWND cancel = MakeCandyButton(hwnd(), cancelId, "Cancel", cancelX, y, 100, 32);
  for (HWND button : {ok, cancel})
    SetWindowLongPtrA(button, GWL_STYLE, GetWindowLongPtrA(button, GWL_STYLE) | WS_TABSTOP);
}

void PasswordWindow::ShowActive() {
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  if (!focus_ || !IsChild(hwnd(), focus_)) focus_ = FirstField();
  SetFocus(focus_);
}

LRESULT PasswordWindow::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (MoveOnPress(w, msg)) return 0;
  switch (msg) {
    case WM_COMMAND: {
      // IDOK and IDCANCEL come from the keyboard (Enter and Esc in the dialog loop).
      // Ok may destroy the window: nothing of it is touched afterwards.
      const int id = LOWORD(wp);
      if (HIWORD(wp) != BN_CLICKED) return 0;
      if (id == okId_ || id == IDOK) OnOk();
      else if (id == cancelId_ || id == IDCANCEL) OnCancel();
      return 0;
    }
    case kEscapePressed:
      OnCancel();
      return 1;
    case WM_CLOSE:
      OnCancel();  // Alt+F4 is Cancel
      return 0;
    case WM_ACTIVATE:
      // The keyboard goes back to the control that had it, the first field at first.
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND had = GetFocus();
        if (had && IsChild(w, had)) focus_ = had;
      } else if (HIWORD(wp) == 0) {
        if (!focus_ || !IsChild(w, focus_)) focus_ = FirstField();
        SetFocus(focus_);
      }
      return 0;
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wp);
      RECT area;
      GetClientRect(w, &area);
      PaintDusk(dc, area);
      HBRUSH edge = CreateSolidBrush(RGB(96, 104, 160));
      FrameRect(dc, &area, edge);
      DeleteObject(edge);
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      char cls[16] = "";
      GetClassNameA(reinterpret_cast<HWND>(lp), cls, sizeof cls);
      if (lstrcmpiA(cls, "Edit") == 0) break;
      HDC dc = reinterpret_cast<HDC>(wp);
      SetTextColor(dc, RGB(232, 232, 245));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
  }
  return TimerWindow::Handle(w, msg, wp, lp);
}

void FocusAndSelect(HWND field) {
  if (!field) return;
  SetFocus(field);
  SendMessageA(field, EM_SETSEL, 0, -1);
}

}  // namespace dusk
