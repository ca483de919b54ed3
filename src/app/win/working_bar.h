// The animated bar the program shows while it works or counts down to an action:
// 481 x 25 pixels, sweeping from orange to pale orange.
#pragma once
#include <windows.h>

namespace dusk {

inline constexpr int kWorkingBarWidth = 481, kWorkingBarHeight = 25;

// Creates the bar stopped; the window that shows it starts it.
HWND CreateWorkingBar(HWND parent, int id, int x, int y);

}  // namespace dusk
