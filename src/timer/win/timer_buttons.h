// The buttons the countdown's windows use.
#pragma once
#include <windows.h>

#include <string>

namespace dusk {

// A themed push button (style 8) that notifies its parent with BN_CLICKED.
HWND MakeTimerButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                     int height);

}  // namespace dusk
