// Rounded corners for borderless windows.
#pragma once
#include <windows.h>

namespace dusk {

// Replaces the window's region by a rounded rectangle its own outer size whose corner
// ellipse is `corner` pixels wide and high. The window owns the region afterwards.
void SmoothCorners(HWND window, double corner);

}  // namespace dusk
