#include "cleaner/win/window_walk_host.h"

#include <windows.h>

namespace dusk {

void WindowWalkHost::PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void WindowWalkHost::SetBusyCursor(bool busy) {
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(busy ? IDC_WAIT : IDC_ARROW)));
}

}  // namespace dusk
