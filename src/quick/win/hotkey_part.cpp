// The hotkeys page, the hidden hotkey window with the six registrations made at
// start-up and given back at the end, and the dispatcher between them.
#include "quick/win/hotkey_part.h"

#include "app/win/shell_services.h"
#include "platform/win32/win32_hotkeys.h"
#include "quick/hotkeys.h"
#include "quick/win/hotkey_window.h"
#include "quick/win/hotkeys_page.h"

namespace dusk {
namespace {

// Handles the messages that are waiting now. Bounded, so that a window that keeps
// posting cannot hold the hotkey here.
void PumpWaitingMessages() {
  MSG msg;
  for (int i = 0; i < 256 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the program's own loop ends on it
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

class HotkeyPart : public StartupPart, private HotkeyDispatchHost {
 public:
  HotkeyPart(ShellServices& shell, HWND picture5, const HotkeyServiceFactory& hotkeys)
      : shell_(shell),
        page_(picture5, {shell.Profile(), shell.SettingsFile(), shell.Messages()},
              LoadHotkeySettings(shell.Profile(), shell.SettingsFile())),
        window_([this](int id) { DispatchHotkey(*this, id); }),
        hotkeys_(hotkeys(window_.hwnd())) {
    // Once per run, from the letters read at start-up; the box is not looked at.
    registrations_.RegisterAll(*hotkeys_, page_.settings().letters);
  }
  ~HotkeyPart() override { registrations_.UnregisterAll(*hotkeys_); }

 private:
  void HandleWaitingMessages() override { PumpWaitingMessages(); }
  bool HotkeysEnabled() override { return page_.settings().enabled; }
  void Announce(const std::string& text, bool show) override {
    window_.SetLabel(text);
    if (show) window_.ShowCentred();
  }
  PowerApi& Power() override { return shell_.Power(); }

  ShellServices& shell_;
  HotkeysPage page_;
  HotkeyWindow window_;
  std::unique_ptr<HotkeyApi> hotkeys_;
  HotkeyRegistrations registrations_;
};

}  // namespace

std::unique_ptr<StartupPart> CreateHotkeyPart(ShellServices& shell, HWND picture5,
                                              const HotkeyServiceFactory& hotkeys) {
  return std::make_unique<HotkeyPart>(shell, picture5, hotkeys);
}

std::unique_ptr<StartupPart> CreateHotkeyPart(ShellServices& shell, HWND picture5) {
  return CreateHotkeyPart(shell, picture5,
                          [](HWND window) { return std::make_unique<Win32Hotkeys>(window); });
}

}  // namespace dusk
