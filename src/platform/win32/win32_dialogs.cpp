#include "platform/win32/win32_dialogs.h"

namespace dusk {
namespace {
HWND g_claimedOwner = nullptr;  // one user-interface thread
}  // namespace

DialogOwnerScope::DialogOwnerScope(HWND owner) : previous_(g_claimedOwner) {
  if (owner) g_claimedOwner = owner;
}

DialogOwnerScope::~DialogOwnerScope() { g_claimedOwner = previous_; }

MsgResult Win32Dialogs::Show(const std::string& text, const std::string& title, MsgButtons buttons,
                             MsgIcon icon) {
  UINT style = static_cast<UINT>(buttons) | static_cast<UINT>(icon) | MB_SETFOREGROUND;
  HWND owner = nullptr;
  if (g_claimedOwner && IsWindow(g_claimedOwner)) {
    owner = g_claimedOwner;
  } else if (HWND active = GetActiveWindow(); active && IsWindowVisible(active)) {
    // A hidden active window would be disabled for nothing and leave the box without
    // a button on the taskbar to find it by.
    owner = active;
  }
  return static_cast<MsgResult>(MessageBoxA(owner, text.c_str(), title.c_str(), style));
}

}  // namespace dusk
