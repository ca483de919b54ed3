#include "timer/win/warning_window.h"

#include "app/win/hwnd_position.h"
#include "widgets/win/window_buttons.h"
#include "widgets/win/rounded_region.h"

namespace dusk {
namespace {
constexpr int kWidth = 478, kHeight = 280;
constexpr double kCornerSmoothing = 51;
}  // namespace

WarningWindowWin::~WarningWindowWin() {
  if (hwnd()) DestroyWindow(hwnd());
  if (messageFont_) DeleteObject(messageFont_);
  if (panel_) DeleteObject(panel_);
}

void WarningWindowWin::Load() {
  if (hwnd()) return;
  // No clipping of children: the see-through message label relies on the sky
  // being painted beneath it.
  HWND w = CreateAs("Form3", WS_EX_TOOLWINDOW, WS_POPUP, 0, 0, kWidth, kHeight, nullptr);
  if (!w) return;
  SetWindowTextA(w, "Warning");
  messageFont_ = ArialBold(12);
  panel_ = CreateSolidBrush(RGB(22, 30, 66));
  HWND label = MakeControl(w, "STATIC", "", SS_CENTER, kForm3Label1, 40, 80, kWidth - 80, 100);
  UseFont(label, messageFont_);
  MakeCandyButton(w, kForm3CandyButton1, "Close", (kWidth - 110) / 2, 200, 110, 32);
  MakeControl(w, "EDIT", "", 0, kForm3Text1, 0, 0, 10, 10);
  MakeControl(w, "EDIT", "", 0, kForm3Text2, 0, 0, 10, 10);
  ShowWindow(GetDlgItem(w, kForm3Text1), SW_HIDE);
  ShowWindow(GetDlgItem(w, kForm3Text2), SW_HIDE);

  HwndPosition position(w, "Form3");
  LoadFormPosition(positions_, position);
  SmoothCorners(w, kCornerSmoothing);
  // Topmost already while hidden, without taking the activation from the window the
  // user is arming the countdown in (its message boxes belong to the active window).
  SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WarningWindowWin::SetMessage(const std::string& text) {
  Load();
  HWND label = GetDlgItem(hwnd(), kForm3Label1);
  if (WindowText(label) == text) return;
  SetWindowTextA(label, text.c_str());
  InvalidateRect(hwnd(), nullptr, TRUE);  // the label is see-through: repaint what is behind it
}

void WarningWindowWin::Show() {
  Load();
  if (hwnd() && !IsWindowVisible(hwnd())) ShowWindow(hwnd(), SW_SHOW);
}

void WarningWindowWin::Hide() {
  if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void WarningWindowWin::ShowMarkers(bool dismissed, bool soundStarted) {
  if (!hwnd()) return;
  SetTextIfChanged(GetDlgItem(hwnd(), kForm3Text1), dismissed ? "Visible" : "");
  SetTextIfChanged(GetDlgItem(hwnd(), kForm3Text2), soundStarted ? "Music" : "");
}

LRESULT WarningWindowWin::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (MoveAndRemember(w, msg, positions_, "Form3")) return 0;
  switch (msg) {
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wp);
      RECT area;
      GetClientRect(w, &area);
      PaintDusk(dc, area);
      // The program's name over a thin rule, so the window says whose warning it is.
      HGDIOBJ old = SelectObject(dc, messageFont_);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(160, 176, 224));
      RECT title{0, 26, area.right, 50};
      DrawTextA(dc, "Dusklatch", -1, &title, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
      SelectObject(dc, old);
      RECT rule{60, 56, area.right - 60, 57};
      HBRUSH line = CreateSolidBrush(RGB(96, 104, 160));
      FillRect(dc, &rule, line);
      DeleteObject(line);
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetTextColor(dc, RGB(255, 236, 200));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_COMMAND:
      // Close, or Esc (IDCANCEL from the message loop's dialog keys).
      if (((LOWORD(wp) == kForm3CandyButton1 && HIWORD(wp) == BN_CLICKED) || LOWORD(wp) == IDCANCEL) &&
          onClose_)
        onClose_();
      return 0;
    case WM_ACTIVATE:
      // Its one control takes the keys: Enter or Space closes the warning.
      if (LOWORD(wp) != WA_INACTIVE) SetFocus(GetDlgItem(w, kForm3CandyButton1));
      return 0;
    case WM_CLOSE:
      // Alt+F4 acts like the Close button rather than destroying the window.
      if (onClose_) onClose_();
      return 0;
  }
  return TimerWindow::Handle(w, msg, wp, lp);
}

}  // namespace dusk
