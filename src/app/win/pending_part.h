// A line of text on a page whose content is not built yet.
#pragma once
#include <windows.h>

namespace dusk {

inline void ShowPendingNotice(HWND page, const char* text) {
  RECT area;
  GetClientRect(page, &area);
  CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_CENTER, 0, area.bottom / 2 - 10,
                  area.right, 20, page, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace dusk
