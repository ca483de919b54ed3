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

namespace {

// cmd.exe of the system folder, not %COMSPEC%: another shell named there would not
// take cmd's switches, and the system folder is never a folder someone else chose.
std::wstring CommandInterpreterFolder() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(folder, length);
}

}  // namespace

// A batch file is not a program: it is run by the command interpreter, as
// `cmd /c "<path>"`. The text after /c is the path in quotes within quotes; /s makes
// cmd take off exactly the outer pair, so spaces and `&` in the path stay part of it.
// /d skips the AutoRun commands a user may keep in the registry (they could print or
// ask something), /v:off keeps a `!` in a name from being taken for a variable.
bool Win32ShellCleaning::StartHidden(const std::string& command) {
  const std::wstring path = WideFromUtf8(command);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  const std::wstring system = CommandInterpreterFolder();
  if (system.empty()) return false;
  const std::wstring interpreter = system + L"\\cmd.exe";
  std::wstring line = L"\"" + interpreter + L"\" /d /s /v:off /c \"\"" + path + L"\"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  // CREATE_NO_WINDOW gives cmd a console nobody sees, which the programs the batch
  // file runs (taskkill, reg) share; without a console each would open its own
  // window. It starts in the system folder: never a network path, which cmd refuses
  // as its current folder, and no hold on the program's folder while it runs.
  if (!CreateProcessW(interpreter.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      system.c_str(), &startup, &process))
    return false;
  // Not waited for: the caller goes on at once, the batch file runs beside it.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace dusk
