#include "widgets/win/window_buttons.h"

#include "widgets/win/candy_button.h"
#include "widgets/win/themed_button.h"

namespace dusk {

HWND MakeThemedButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                      int height, int style) {
  HWND button = CreateThemedButton(parent, id, caption.c_str(), x, y, width, height, style);
  // The program's windows are used from the keyboard too: the focus is marked.
  ThemedProps props = ThemedButtonProps(button);
  props.show_focus = true;
  SetThemedProps(button, props);
  UseFont(button, DialogFont());
  return button;
}

HWND MakeCandyButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                     int height) {
  HWND button = CreateCandyButton(parent, id, caption.c_str(), x, y, width, height);
  UseFont(button, DialogFont());
  return button;
}

HFONT DialogFont() {
  static HFONT font = [] {
    NONCLIENTMETRICSA metrics{};
    // The size of the XP-era structure, which every system accepts.
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      return CreateFontIndirectA(&metrics.lfMessageFont);
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }();
  return font;
}

void UseFont(HWND window, HFONT font) {
  if (window) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace dusk
