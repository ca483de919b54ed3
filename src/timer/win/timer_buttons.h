// The buttons and the rounded outline the countdown's windows use.
#pragma once
#include <windows.h>

#include <string>

namespace dusk {

// A push button that notifies its parent with BN_CLICKED.
HWND MakeTimerButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                     int height);
// Replaces the window's region by a rounded rectangle of its own size.
void SmoothCornersOf(HWND window, double corner);

}  // namespace dusk
