#include "timer/win/timer_buttons.h"

#include "timer/win/timer_window.h"

namespace dusk {

HWND MakeTimerButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                     int height) {
  return MakeControl(parent, "BUTTON", caption.c_str(), WS_TABSTOP | BS_PUSHBUTTON, id, x, y,
                     width, height);
}

}  // namespace dusk
