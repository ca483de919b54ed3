#include "platform/win32/win32_dialogs.h"

#include <windows.h>

namespace dusk {

MsgResult Win32Dialogs::Show(const std::string& text, const std::string& title, MsgButtons buttons,
                             MsgIcon icon) {
  UINT style = static_cast<UINT>(buttons) | static_cast<UINT>(icon) | MB_SETFOREGROUND;
  // A hidden owner would be disabled for nothing and leave the box without a button
  // on the taskbar to find it by.
  HWND owner = GetActiveWindow();
  if (owner && !IsWindowVisible(owner)) owner = nullptr;
  return static_cast<MsgResult>(MessageBoxA(owner, text.c_str(), title.c_str(), style));
}

}  // namespace dusk
