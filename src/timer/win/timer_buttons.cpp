#include "timer/win/timer_buttons.h"

#include <cmath>

#include "timer/win/timer_window.h"

namespace dusk {

HWND MakeTimerButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                     int height) {
  return MakeControl(parent, "BUTTON", caption.c_str(), WS_TABSTOP | BS_PUSHBUTTON, id, x, y,
                     width, height);
}

void SmoothCornersOf(HWND window, double corner) {
  RECT r;
  GetWindowRect(window, &r);
  int c = static_cast<int>(std::lround(corner));
  HRGN region = CreateRoundRectRgn(0, 0, r.right - r.left, r.bottom - r.top, c, c);
  if (region && !SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

}  // namespace dusk
