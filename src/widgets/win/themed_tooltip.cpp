#include "widgets/win/themed_tooltip.h"

#include <commctrl.h>

namespace dusk {

namespace {

// The version-1 tool record: every common-controls version accepts it.
TOOLINFOA ToolOf(HWND button) {
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = button;
  tool.uId = 0;
  GetClientRect(button, &tool.rect);
  return tool;
}

}  // namespace

HWND ShowButtonTooltip(HWND button, const TooltipLook& look) {
  DWORD style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | (look.balloon ? TTS_BALLOON : 0);
  HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, button, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  if (!tip) return nullptr;
  TOOLINFOA tool = ToolOf(button);
  std::string text = look.text;
  tool.lpszText = text.data();
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  // Long texts wrap instead of running across the screen.
  SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, 300);
  if (!look.title.empty() || look.icon != 0)
    SendMessageA(tip, TTM_SETTITLEA, static_cast<WPARAM>(look.icon), reinterpret_cast<LPARAM>(look.title.c_str()));
  if (look.fore != 0) SendMessageA(tip, TTM_SETTIPTEXTCOLOR, look.fore, 0);
  if (look.back != 0) SendMessageA(tip, TTM_SETTIPBKCOLOR, look.back, 0);
  return tip;
}

void CloseButtonTooltip(HWND button, HWND& tooltip) {
  if (!tooltip) return;
  TOOLINFOA tool = ToolOf(button);
  SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  DestroyWindow(tooltip);
  tooltip = nullptr;
}

}  // namespace dusk
