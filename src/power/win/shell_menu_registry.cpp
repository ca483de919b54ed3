#include "power/win/shell_menu_registry.h"

#include <windows.h>

#include <string>

#include "platform/win32/registry_key.h"
#include "platform/win32/wide_text.h"

namespace dusk {
namespace {

#ifndef KEY_WOW64_64KEY
#define KEY_WOW64_64KEY 0x0100
#define KEY_WOW64_32KEY 0x0200
#endif

// Windows 2000 and 32-bit Windows know no views: the flags are left out there.
REGSAM ViewFlag(RegistryView view) {
  if (!WindowsIs64Bit()) return 0;
  return view == RegistryView::Bits64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

bool WriteValue(const RegistrationValue& value) {
  RegistryKey key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, WideFromUtf8(value.key).c_str(), 0, nullptr, 0,
                      KEY_SET_VALUE | ViewFlag(value.view), nullptr, key.receive(),
                      nullptr) != ERROR_SUCCESS)
    return false;
  const std::wstring text = WideFromUtf8(value.text);
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.get(), value.name.empty() ? nullptr : WideFromUtf8(value.name).c_str(),
                        0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        bytes) == ERROR_SUCCESS;
}

bool HoldsNothing(const RegistrationKey& entry) {
  RegistryKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, WideFromUtf8(entry.key).c_str(), 0,
                    KEY_QUERY_VALUE | ViewFlag(entry.view), key.receive()) != ERROR_SUCCESS)
    return false;
  DWORD subKeys = 1, values = 1;
  if (RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                       nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  return subKeys == 0 && values == 0;
}

void DeleteKey(const RegistrationKey& entry) {
  const REGSAM view = ViewFlag(entry.view);
  const std::wstring path = WideFromUtf8(entry.key);
  // Deleting from the other view needs the call that takes a view (XP x64, Vista and
  // later); it is looked up so that the program still starts where it is missing.
  using DeleteInView = LONG(WINAPI*)(HKEY, LPCWSTR, REGSAM, DWORD);
  static const auto deleteInView = reinterpret_cast<DeleteInView>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegDeleteKeyExW")));
  if (view && deleteInView)
    deleteInView(HKEY_CURRENT_USER, path.c_str(), view, 0);
  else
    RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
}

}  // namespace

bool WindowsIs64Bit() {
#ifdef _WIN64
  return true;
#else
  using IsWow64 = BOOL(WINAPI*)(HANDLE, PBOOL);
  // Missing before XP SP2, where Windows is 32-bit anyway.
  static const auto isWow64 = reinterpret_cast<IsWow64>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
  BOOL wow64 = FALSE;
  return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
#endif
}

bool WriteShellMenuRegistration(const ShellMenuRegistration& plan) {
  bool all = true;
  for (const RegistrationValue& value : plan.values) all = WriteValue(value) && all;
  return all;
}

void RemoveShellMenuRegistration(const ShellMenuRegistration& plan) {
  for (const RegistrationKey& key : plan.keys)
    if (!key.onlyIfEmpty || HoldsNothing(key)) DeleteKey(key);
}

}  // namespace dusk
