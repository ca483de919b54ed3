// The one window-procedure pattern of the program: the object is passed in
// CreateWindowEx's parameter, kept in GWLP_USERDATA from WM_NCCREATE on, and every
// message goes to its HandleMessage. No exception crosses into Windows.
#pragma once
#include <windows.h>

namespace dusk {

template <class Window>
LRESULT CALLBACK WindowTrampoline(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->hwnd_ = hwnd;
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  try {
    return window->HandleMessage(msg, wp, lp);
  } catch (...) {
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

// Registers the class once per process; later calls do nothing.
inline void RegisterWindowClass(const char* name, WNDPROC proc, HBRUSH background = nullptr,
                                UINT style = 0) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing;
  if (GetClassInfoA(instance, name, &existing)) return;
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

// Sent by the message loop to the top-level window under the keyboard focus when
// Esc is pressed; a window that handles it returns 1.
inline constexpr UINT kEscapePressed = WM_APP + 40;

}  // namespace dusk
