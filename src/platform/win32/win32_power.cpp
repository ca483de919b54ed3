#include "platform/win32/win32_power.h"

#include <windows.h>

namespace dusk {
namespace {

// SetSuspendState lives in powrprof.dll, which Windows 95 and NT 4 lack: load it on use.
using SetSuspendStateFn = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
// LockWorkStation first came with Windows 2000.
using LockWorkStationFn = BOOL(WINAPI*)();

}  // namespace

OsVersionNumbers QuerySystemVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);  // 148, the ANSI layout
  GetVersionExA(&info);
  return {static_cast<int>(info.dwPlatformId), static_cast<int>(info.dwMajorVersion),
          static_cast<int>(info.dwMinorVersion)};
}

bool FileExistsWithAnyAttributes(const std::string& path) {
  // GetFileAttributes sees hidden and system files too; folders do not count.
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

OsVersionNumbers Win32Power::GetVersion() { return QuerySystemVersion(); }

void Win32Power::SetShutdownPrivilege(bool enable) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  LookupPrivilegeValueA("", "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
  TOKEN_PRIVILEGES previous{};
  DWORD previousLength = 0;
  AdjustTokenPrivileges(token, FALSE, &privileges, sizeof(previous), &previous, &previousLength);
  CloseHandle(token);
}

bool Win32Power::ExitWindowsEx(unsigned flags) { return ::ExitWindowsEx(flags, 0) != FALSE; }

bool Win32Power::SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) {
  HMODULE powrprof = LoadLibraryA("powrprof.dll");
  if (!powrprof) return false;
  auto suspend = reinterpret_cast<SetSuspendStateFn>(
      reinterpret_cast<void*>(GetProcAddress(powrprof, "SetSuspendState")));
  bool accepted = suspend && suspend(hibernate, forceCritical, disableWakeEvent);
  FreeLibrary(powrprof);
  return accepted;
}

bool Win32Power::LockWorkStation() {
  auto lock = reinterpret_cast<LockWorkStationFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "LockWorkStation")));
  return lock && lock();
}

bool Win32Power::FileExists(const std::string& path) { return FileExistsWithAnyAttributes(path); }

}  // namespace dusk
