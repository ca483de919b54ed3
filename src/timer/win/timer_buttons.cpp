#include "timer/win/timer_buttons.h"

#include "timer/win/timer_window.h"
#include "widgets/win/themed_button.h"

namespace dusk {

namespace {
constexpr int kTimerButtonStyle = 8;
}  // namespace

HWND MakeTimerButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                     int height) {
  HWND button = CreateThemedButton(parent, id, caption.c_str(), x, y, width, height, kTimerButtonStyle);
  UseFont(button, DialogFont());
  return button;
}

}  // namespace dusk
