// The parts of other subsystems that the main window's start-up creates. Each is
// defined by its own subsystem; until a subsystem is built, a placeholder under
// src/app/win/pending_*.cpp stands in for it and says so on the page it owns.
#pragma once
#include <windows.h>

#include <memory>

namespace dusk {

class ShellServices;

// Something the main window keeps alive for the whole run.
class StartupPart {
 public:
  virtual ~StartupPart() = default;
};

// The countdown controls on the Main page (Picture1) and the warning options on the
// Settings page (Picture3), the warning and remaining-time windows. Reads its keys
// of config.ini, fills the action list ("Lock Computer" only on 2000/XP).
std::unique_ptr<StartupPart> CreateTimerPart(ShellServices& shell, HWND picture1, HWND picture3);

// The schedule list on the Schedule page (Picture7) and the hidden schedule editor
// window with its watcher and confirmation window (opens system.vvc).
std::unique_ptr<StartupPart> CreateSchedulePart(ShellServices& shell, HWND picture7);

}  // namespace dusk
