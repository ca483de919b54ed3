// The parts of other subsystems that the main window's start-up creates. Each is
// defined by its own subsystem.
#pragma once
#include <windows.h>

#include <memory>

#include "cleaner/cleaner_page.h"
#include "password/password_gate.h"

namespace dusk {

class ShellServices;

// Something the main window keeps alive for the whole run.
class StartupPart {
 public:
  virtual ~StartupPart() = default;
  // The process is about to end without unwinding (the program's Exit): a part that
  // left something outside the process lets go of it here.
  virtual void ProgramEnding() {}
};

// The countdown controls on the Main page (Picture1) and the warning options on the
// Settings page (Picture3), the warning and remaining-time windows. Reads its keys
// of config.ini, fills the action list ("Lock Computer" only on 2000/XP).
std::unique_ptr<StartupPart> CreateTimerPart(ShellServices& shell, HWND picture1, HWND picture3);

// The schedule list on the Schedule page (Picture7) and the hidden schedule editor
// window with its watcher and confirmation window (opens system.vvc).
std::unique_ptr<StartupPart> CreateSchedulePart(ShellServices& shell, HWND picture7);

// The cleaner page (Picture2): reads the CLEANUP keys into the task boxes of `page`,
// which the main window's cleaner reads when it runs the task table.
std::unique_ptr<StartupPart> CreateCleanerPart(ShellServices& shell, HWND picture2, CleanerPage& page);

// The password page (Picture6) and the hidden change-password window: reads the
// Pass keys. Its gate is the one every guarded command passes through.
class PasswordPart : public StartupPart {
 public:
  virtual PasswordGate& Gate() = 0;
};
std::unique_ptr<PasswordPart> CreatePasswordPart(ShellServices& shell, HWND picture6);

// The hotkey page (Picture5) and the hidden hotkey window, which registers the
// hotkeys from the HOTKEY keys.
std::unique_ptr<StartupPart> CreateHotkeyPart(ShellServices& shell, HWND picture5);

// The hidden host window of the file manager's menu; the menu is offered while it lives.
std::unique_ptr<StartupPart> CreateContextMenuPart(ShellServices& shell);

// The toolbar page (Picture4); opens the floating toolbar when the Toolbar keys say
// so. Created at the end of start-up.
std::unique_ptr<StartupPart> CreateToolbarPart(ShellServices& shell, HWND picture4);

}  // namespace dusk
