// The whole program, given the platform services it runs with: the shipped program
// passes the real ones, the test build power and shell services that only record
// their requests.
#pragma once
#include <windows.h>

#include <functional>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/power.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/shell_cleaning.h"

namespace dusk {

struct ProgramServices {
  PowerApi& power;
  Dialogs& dialogs;
  Clock& clock;
  ProfileApi& profile;
  Registry& registry;
  // The recycle bin, the recent-documents list and the batch files' starts.
  ShellCleaning& shellCleaning;
};

// Shows the splash, creates the main window a second later and runs the message
// loop until the program ends. Returns the exit code.
int RunProgram(HINSTANCE instance, ProgramServices& services);

// The message loop shared by the program and the window tests: Esc goes to the
// active top-level window first (kEscapePressed); then the window's dialog keys
// (Tab, Shift+Tab, access keys, Enter, Esc) are handled as in a dialog box.
int RunMessageLoop();

// The same loop nested, for a modal window: runs while `keepGoing` says so (asked
// before each message). Every window of the thread goes on getting its messages and
// timers. A quit request ends it and is posted again for the outer loop; false then.
bool RunMessageLoopWhile(const std::function<bool()>& keepGoing);

}  // namespace dusk
