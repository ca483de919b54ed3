#include "quick/win/hotkey_window.h"

#include "quick/win/quick_ids.h"

namespace dusk {
namespace {
constexpr int kClientWidth = 300, kClientHeight = 64;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
}  // namespace

HotkeyWindow::HotkeyWindow(std::function<void(int)> pressed) : pressed_(std::move(pressed)) {
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  HWND w = CreateAs("hotkey", 0, kStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr);
  if (!w) return;
  SetWindowTextA(w, "Form4");
  MakeControl(w, "STATIC", "", SS_CENTER | SS_CENTERIMAGE, kLabel32, 8, 8, kClientWidth - 16,
              kClientHeight - 16);
}

HotkeyWindow::~HotkeyWindow() = default;

void HotkeyWindow::SetLabel(const std::string& text) {
  if (hwnd()) SetTextIfChanged(GetDlgItem(hwnd(), kLabel32), text);
}

void HotkeyWindow::ShowCentred() {
  if (!hwnd()) return;
  RECT r;
  GetWindowRect(hwnd(), &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(hwnd(), SW_SHOWNORMAL);  // it may have been hidden while minimised
  // The announcement is on screen before the request is made.
  UpdateWindow(hwnd());
}

LRESULT HotkeyWindow::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_HOTKEY:
      if (pressed_) pressed_(static_cast<int>(wp));
      return 1;
    case WM_SIZE:
      if (wp == SIZE_MINIMIZED) ShowWindow(hwnd, SW_HIDE);
      return 0;
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(hwnd, &area);
      FillRect(reinterpret_cast<HDC>(wp), &area, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_CLOSE:
      // Destroying the window would take the hotkeys with it.
      ShowWindow(hwnd, SW_HIDE);
      return 0;
  }
  return TimerWindow::Handle(hwnd, msg, wp, lp);
}

}  // namespace dusk
