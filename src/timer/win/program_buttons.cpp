#include "timer/win/program_buttons.h"

#include "timer/win/timer_window.h"
#include "widgets/win/candy_button.h"
#include "widgets/win/themed_button.h"

namespace dusk {

HWND MakeThemedButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                      int height, int style) {
  HWND button = CreateThemedButton(parent, id, caption.c_str(), x, y, width, height, style);
  UseFont(button, DialogFont());
  return button;
}

HWND MakeCandyButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                     int height) {
  HWND button = CreateCandyButton(parent, id, caption.c_str(), x, y, width, height);
  UseFont(button, DialogFont());
  return button;
}

}  // namespace dusk
