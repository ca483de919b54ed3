/* installer_test.dll: stands in, in the installer's end-to-end test, for a shell
 * extension that Explorer keeps loaded while setup or the uninstaller runs.
 *
 *   rundll32 installer_test.dll,Hold <milliseconds>
 *
 * keeps the DLL's own file open without delete sharing for that long, so that it can
 * be neither deleted, replaced nor moved until then (Wine lets a merely loaded DLL be
 * deleted, Windows does not). */
#include <windows.h>
#include <stdlib.h>

__declspec(dllexport) void CALLBACK Hold(HWND window, HINSTANCE instance, LPSTR arguments, int show) {
  char path[MAX_PATH];
  HMODULE self = NULL;
  HANDLE file;
  DWORD milliseconds = arguments && *arguments ? strtoul(arguments, NULL, 10) : 30000;
  (void)window, (void)instance, (void)show;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     (LPCSTR)(void*)Hold, &self);
  GetModuleFileNameA(self, path, MAX_PATH);
  file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  Sleep(milliseconds);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}
