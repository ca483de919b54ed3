// The themed button's own tooltip: a "tooltips_class32" window made when the pointer
// enters the button and destroyed when it leaves.
#pragma once
#include <windows.h>

#include <string>

namespace dusk {

struct TooltipLook {
  std::string text;
  std::string title;
  int icon = 0;           // 0 none, 1 information, 2 warning, 3 error
  bool balloon = true;
  COLORREF back = 0;      // 0 keeps the tooltip's own colour
  COLORREF fore = 0;
};

// Owned by the button; one tool over its client rectangle that follows the button's
// mouse messages. Returns the tooltip window, or nullptr when it could not be made.
HWND ShowButtonTooltip(HWND button, const TooltipLook& look);
void CloseButtonTooltip(HWND button, HWND& tooltip);

}  // namespace dusk
