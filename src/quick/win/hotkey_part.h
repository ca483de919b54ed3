// The hotkeys as the main window sees them, with the hotkey service chosen by the
// caller (tests may pass their own); CreateHotkeyPart of the start-up registers the
// system's hotkeys on the hotkey window.
#pragma once
#include <functional>
#include <memory>

#include "app/win/startup_seams.h"
#include "platform/hotkeys.h"

namespace dusk {

using HotkeyServiceFactory = std::function<std::unique_ptr<HotkeyApi>(HWND hotkeyWindow)>;

std::unique_ptr<StartupPart> CreateHotkeyPart(ShellServices& shell, HWND picture5,
                                              const HotkeyServiceFactory& hotkeys);

}  // namespace dusk
