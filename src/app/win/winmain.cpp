// Entry point of Dusklatch.exe: the program with the real platform services.
#include <windows.h>

#include "app/win/program.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_cleaning.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  dusk::Win32Power power;
  dusk::Win32Dialogs dialogs;
  dusk::Win32Clock clock;
  dusk::Win32Profile profile;
  dusk::Win32Registry registry;
  // The recycle bin is emptied without any window of its own: no owner is needed.
  dusk::Win32ShellCleaning shellCleaning([] { return HWND{}; });
  dusk::ProgramServices services{power, dialogs, clock, profile, registry, shellCleaning};
  return dusk::RunProgram(instance, services);
}
