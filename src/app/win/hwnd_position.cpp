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

namespace {

// The system's move loop ends only when the left button comes up: a drag with another
// button is followed here until that button's release (Esc puts the window back).
// Either way the window hears WM_EXITSIZEMOVE once the move ends.
void FollowDrag(HWND window, UINT releaseMessage) {
  // Where the button went down: the pointer may have moved on since.
  const DWORD pressedAt = GetMessagePos();
  const POINT start{static_cast<short>(LOWORD(pressedAt)), static_cast<short>(HIWORD(pressedAt))};
  RECT from;
  GetWindowRect(window, &from);
  auto moveBy = [&](long dx, long dy) {
    SetWindowPos(window, nullptr, from.left + dx, from.top + dy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  SendMessageA(window, WM_ENTERSIZEMOVE, 0, 0);
  SetCapture(window);
  MSG msg;
  while (GetCapture() == window) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the program's own loop
      break;
    }
    if (msg.message == WM_MOUSEMOVE || msg.message == releaseMessage) {
      POINT at;
      GetCursorPos(&at);
      moveBy(at.x - start.x, at.y - start.y);
      if (msg.message == releaseMessage) break;
      continue;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      moveBy(0, 0);
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (GetCapture() == window) ReleaseCapture();
  if (IsWindow(window)) SendMessageA(window, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace

bool MoveOnPress(HWND window, UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      ReleaseCapture();
      SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return true;
    case WM_RBUTTONDOWN:
      FollowDrag(window, WM_RBUTTONUP);
      return true;
    case WM_MBUTTONDOWN:
      FollowDrag(window, WM_MBUTTONUP);
      return true;
  }
  return false;
}

bool MoveAndRemember(HWND window, UINT msg, PositionServices& positions, const char* name) {
  if (MoveOnPress(window, msg)) return true;
  if (msg != WM_EXITSIZEMOVE) return false;
  HwndPosition position(window, name);
  SaveFormPosition(positions, position);
  return true;
}

}  // namespace dusk
