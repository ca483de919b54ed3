#include "cleaner/win/win32_cleaner.h"

#include <shlobj.h>

#include <vector>

#include "platform/win32/registry_key.h"
#include "platform/win32/wide_text.h"

namespace dusk {
namespace {

std::string ShellFolder(const wchar_t* name) {
  RegistryKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                    KEY_QUERY_VALUE, key.receive()) != ERROR_SUCCESS)
    return {};
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
    return {};
  std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
      ERROR_SUCCESS)
    return {};
  return Utf8FromWide(text.data());
}

std::string ProgramFolder() {
  std::vector<wchar_t> path(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  std::wstring full(path.data(), n < path.size() ? n : 0);
  const auto slash = full.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::string() : Utf8FromWide(full.substr(0, slash).c_str());
}

std::string TempFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  std::wstring path(buffer, n <= MAX_PATH ? n : 0);
  if (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return Utf8FromWide(path.c_str());
}

std::string KnownFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, path)) ? Utf8FromWide(path) : std::string();
}

std::string SystemFolder(UINT (WINAPI* query)(LPWSTR, UINT)) {
  wchar_t path[MAX_PATH] = {};
  const UINT n = query(path, MAX_PATH);
  return n > 0 && n < MAX_PATH ? Utf8FromWide(path) : std::string();
}

}  // namespace

CleanerFolders CurrentUserCleanerFolders() {
  CleanerFolders folders{.program = ProgramFolder(),
                         .history = ShellFolder(L"History"),
                         .cache = ShellFolder(L"Cache"),
                         .cookies = ShellFolder(L"Cookies"),
                         .temp = TempFolder()};
  for (std::string kept : {SystemFolder(GetWindowsDirectoryW), SystemFolder(GetSystemDirectoryW),
                           KnownFolder(CSIDL_PROFILE), KnownFolder(CSIDL_PERSONAL),
                           KnownFolder(CSIDL_DESKTOPDIRECTORY), KnownFolder(CSIDL_PROGRAM_FILES), folders.program})
    if (!kept.empty()) folders.neverEmptied.push_back(std::move(kept));
  return folders;
}

}  // namespace dusk
