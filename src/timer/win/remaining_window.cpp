#include "timer/win/remaining_window.h"

#include "app/win/hwnd_position.h"
#include "timer/remaining_region.h"

namespace dusk {
namespace {
constexpr int kWidth = 361, kHeight = 101;
}  // namespace

RemainingWindowWin::~RemainingWindowWin() {
  if (hwnd()) DestroyWindow(hwnd());
  if (font_) DeleteObject(font_);
}

void RemainingWindowWin::Load() {
  if (hwnd()) return;
  HWND w = CreateAs("timeleft", WS_EX_TOOLWINDOW, WS_POPUP | WS_CLIPCHILDREN, 0, 0, kWidth,
                    kHeight, nullptr);
  if (!w) return;
  SetWindowTextA(w, "Time left");
  font_ = ArialBold(12);
  RoundRectSpec o = RemainingWindowOutline(TwipsPerPixelX(), TwipsPerPixelY());
  HWND label = MakeControl(w, "STATIC", "Timer Disabled", SS_CENTER | SS_CENTERIMAGE,
                           kTimeleftLblcap, o.left + 4, o.top + 4, o.right - o.left - 8,
                           o.bottom - o.top - 8);
  UseFont(label, font_);
  // The window owns the region once it is set.
  HRGN region = CreateRoundRectRgn(o.left, o.top, o.right, o.bottom, o.ellipseWidth,
                                   o.ellipseHeight);
  if (region && !SetWindowRgn(w, region, TRUE)) DeleteObject(region);
  HwndPosition position(w, "timeleft");
  LoadFormPosition(positions_, position);
}

void RemainingWindowWin::SetLabel(const std::string& text) {
  if (hwnd() && text == shown_) return;  // most ticks change nothing
  Load();
  shown_ = text;
  HWND label = GetDlgItem(hwnd(), kTimeleftLblcap);
  SetWindowTextA(label, text.c_str());
  InvalidateRect(label, nullptr, TRUE);
}

void RemainingWindowWin::Show() {
  Load();
  if (hwnd() && !IsWindowVisible(hwnd())) ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

void RemainingWindowWin::Hide() {
  if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

LRESULT RemainingWindowWin::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (MoveAndRemember(w, msg, positions_, "timeleft")) return 0;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(w, &area);
      HBRUSH pale = CreateSolidBrush(RGB(226, 232, 246));
      FillRect(reinterpret_cast<HDC>(wp), &area, pale);
      DeleteObject(pale);
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetTextColor(dc, RGB(0, 0, 128));  // dark blue
      SetBkColor(dc, RGB(226, 232, 246));
      static HBRUSH pale = CreateSolidBrush(RGB(226, 232, 246));
      return reinterpret_cast<LRESULT>(pale);
    }
  }
  return TimerWindow::Handle(w, msg, wp, lp);
}

}  // namespace dusk
