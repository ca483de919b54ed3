// System-wide hotkeys delivered to one window as WM_HOTKEY.
#pragma once
#include <windows.h>

#include "platform/hotkeys.h"

namespace dusk {

class Win32Hotkeys : public HotkeyApi {
 public:
  explicit Win32Hotkeys(HWND window) : window_(window) {}
  bool Register(int id, unsigned modifiers, unsigned virtualKey) override {
    return RegisterHotKey(window_, id, modifiers, virtualKey) != FALSE;
  }
  void Unregister(int id) override { UnregisterHotKey(window_, id); }

 private:
  HWND window_;
};

}  // namespace dusk
