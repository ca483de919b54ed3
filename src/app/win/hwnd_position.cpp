#include "app/win/hwnd_position.h"

namespace dusk {
namespace {
long DotsPerInch(int axis) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, axis);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}
}  // namespace

long TwipsPerPixelX() { return 1440 / DotsPerInch(LOGPIXELSX); }
long TwipsPerPixelY() { return 1440 / DotsPerInch(LOGPIXELSY); }

RECT HwndPosition::Bounds() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return r;
}

long HwndPosition::Left() const { return Bounds().left * TwipsPerPixelX(); }
long HwndPosition::Top() const { return Bounds().top * TwipsPerPixelY(); }
long HwndPosition::Width() const {
  RECT r = Bounds();
  return (r.right - r.left) * TwipsPerPixelX();
}
long HwndPosition::Height() const {
  RECT r = Bounds();
  return (r.bottom - r.top) * TwipsPerPixelY();
}
long HwndPosition::ScreenWidth() const { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
long HwndPosition::ScreenHeight() const { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }

void HwndPosition::MoveTo(long left, long top) {
  SetWindowPos(hwnd_, nullptr, left / TwipsPerPixelX(), top / TwipsPerPixelY(), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MoveOnPress(HWND window, UINT msg) {
  if (msg != WM_LBUTTONDOWN && msg != WM_RBUTTONDOWN && msg != WM_MBUTTONDOWN) return false;
  ReleaseCapture();
  SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  return true;
}

bool MoveAndRemember(HWND window, UINT msg, PositionServices& positions, const char* name) {
  if (MoveOnPress(window, msg)) return true;
  if (msg != WM_EXITSIZEMOVE) return false;
  HwndPosition position(window, name);
  SaveFormPosition(positions, position);
  return true;
}

}  // namespace dusk
