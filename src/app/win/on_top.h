// Puts a window above every window that is not topmost, without moving or resizing it.
#pragma once
#include <windows.h>

namespace dusk {

inline void MakeTopmost(HWND window) {
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace dusk
