#include "app/win/splash_window.h"

#include "app/app_identity.h"
#include "app/win/hwnd_position.h"
#include "app/win/frame_art.h"
#include "app/win/window_class.h"
#include "../../../resources/resource_ids.h"

namespace dusk {
namespace {

constexpr UINT_PTR kTimer = 1;

// The rounded outline in pixels at 15 twips per pixel, scaled to the screen.
HRGN RoundedOutline() {
  const long tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
  auto sx = [tx](int v) { return static_cast<int>(v * 15 / (tx ? tx : 15)); };
  auto sy = [ty](int v) { return static_cast<int>(v * 15 / (ty ? ty : 15)); };
  return CreateRoundRectRgn(sx(2), sy(1), sx(479), sy(265), sx(46), sy(50));
}

}  // namespace

SplashWindow::SplashWindow(std::function<void()> onTick) : onTick_(std::move(onTick)) {}

SplashWindow::~SplashWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  for (HFONT f : {nameFont_, versionFont_})
    if (f) DeleteObject(f);
}

void SplashWindow::Show() {
  RegisterWindowClass("frmsplash1", WindowTrampoline<SplashWindow>, nullptr);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  CreateWindowExA(WS_EX_TOOLWINDOW, "frmsplash1", kAppTitle, WS_POPUP, x, y, kWidth, kHeight, nullptr,
                  nullptr, GetModuleHandleA(nullptr), this);
  if (!hwnd_) return;
  SetWindowRgn(hwnd_, RoundedOutline(), FALSE);  // the window owns the region from now on
  SetTimer(hwnd_, kTimer, 1000, nullptr);
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

LRESULT SplashWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (MoveOnPress(hwnd_, msg)) return 0;
  switch (msg) {
    case WM_TIMER:
      if (wp != kTimer) break;
      KillTimer(hwnd_, kTimer);
      if (onTick_) onTick_();
      if (hwnd_) DestroyWindow(hwnd_);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      RECT area;
      GetClientRect(hwnd_, &area);
      if (!versionFont_)
        versionFont_ = CreateFontA(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                                   "Tahoma");
      SetBkMode(dc, TRANSPARENT);
      if (!DrawResourcePicture(dc, IDB_SPLASH, area)) {
        // Without the picture: the name on a plain evening sky.
        HBRUSH sky = CreateSolidBrush(RGB(44, 40, 86));
        FillRect(dc, &area, sky);
        DeleteObject(sky);
        if (!nameFont_)
          nameFont_ = CreateFontA(-44, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, "Tahoma");
        SetTextColor(dc, RGB(236, 232, 250));
        HGDIOBJ oldName = SelectObject(dc, nameFont_);
        RECT name{34, 90, area.right - 20, 140};
        DrawTextA(dc, kAppTitle, -1, &name, DT_LEFT | DT_SINGLELINE);
        SelectObject(dc, oldName);
      }
      SetTextColor(dc, RGB(236, 232, 250));
      HGDIOBJ old = SelectObject(dc, versionFont_);
      RECT version{35, 172, area.right - 20, 192};
      DrawTextA(dc, kVersionLine, -1, &version, DT_LEFT | DT_SINGLELINE);
      SelectObject(dc, old);
      EndPaint(hwnd_, &ps);
      return 0;
    }
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace dusk
