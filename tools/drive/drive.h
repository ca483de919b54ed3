// dusk_drive: drives the running program from end-to-end test scripts. Windows are
// found by class name, controls by id; results go to stdout, failures to stderr
// and the exit code.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace drive {

constexpr DWORD kDefaultTimeoutMs = 10000;

// The first visible top-level window of `className`, or nullptr.
HWND FindVisible(const std::string& className);
// Waits up to `timeoutMs` for FindVisible to succeed.
HWND WaitVisible(const std::string& className, DWORD timeoutMs);
// The window itself for id 0, else its descendant with that control id.
HWND FindControl(HWND window, int id);
std::string WindowText(HWND window);

// Message boxes (#32770 dialogs).
int PrintMessageBox(DWORD timeoutMs);
int PressMessageBoxButton(const std::string& button);

// Pop-up menus (#32768 windows).
int WaitMenu(DWORD timeoutMs);
int ChooseMenuItem(int index);
// How many pop-up menus are open (a sub-menu counts as one more).
int CountMenus();
int PrintMenus();

}  // namespace drive
