#include "platform/win32/win32_shell_cleaning.h"

#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/wide_text.h"

namespace dusk {

void Win32ShellCleaning::EmptyRecycleBin(std::uint32_t flags) {
  SHEmptyRecycleBinA(owner_ ? owner_() : nullptr, nullptr, flags);
}

// Flags 0 with no item is the shell's request to clear the user's list.
void Win32ShellCleaning::ClearRecentDocuments() { SHAddToRecentDocs(0, nullptr); }

bool Win32ShellCleaning::StartHidden(const std::string& command) {
  std::wstring line = L"\"" + WideFromUtf8(command) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  // A batch file is run by the command interpreter, which then opens no console.
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                      &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace dusk
