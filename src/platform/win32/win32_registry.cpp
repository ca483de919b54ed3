#include "platform/win32/win32_registry.h"

#include <vector>

#include "platform/win32/registry_key.h"

namespace dusk {
namespace {

HKEY RootHandle(RegRoot root) {
  switch (root) {
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
  }
  return HKEY_CURRENT_USER;
}

RegistryKey Open(RegRoot root, const std::string& path) {
  RegistryKey key;
  if (RegOpenKeyA(RootHandle(root), path.c_str(), key.receive()) != ERROR_SUCCESS)
    return RegistryKey();
  return key;
}

}  // namespace

bool Win32Registry::CreateKey(RegRoot root, const std::string& path) {
  RegistryKey key;
  return RegCreateKeyA(RootHandle(root), path.c_str(), key.receive()) == ERROR_SUCCESS;
}

bool Win32Registry::KeyExists(RegRoot root, const std::string& path) {
  return static_cast<bool>(Open(root, path));
}

std::vector<std::string> Win32Registry::SubKeyNames(RegRoot root, const std::string& path) {
  std::vector<std::string> names;
  RegistryKey key = Open(root, path);
  if (!key) return names;
  char name[256];  // a key name has at most 255 characters
  for (DWORD i = 0; RegEnumKeyA(key.get(), i, name, sizeof(name)) == ERROR_SUCCESS; ++i)
    names.emplace_back(name);
  return names;
}

std::optional<RegValue> Win32Registry::QueryValue(RegRoot root, const std::string& path,
                                                  const std::string& name) {
  RegistryKey key = Open(root, path);
  if (!key) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::vector<BYTE> data(size);
  if (size > 0 &&
      RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
    return std::nullopt;
  RegValue value;
  value.type = type;
  value.data.assign(reinterpret_cast<const char*>(data.data()), size);
  return value;
}

bool Win32Registry::SetValue(RegRoot root, const std::string& path, const std::string& name,
                             const RegValue& value) {
  RegistryKey key;
  if (RegCreateKeyA(RootHandle(root), path.c_str(), key.receive()) != ERROR_SUCCESS) return false;
  return RegSetValueExA(key.get(), name.c_str(), 0, value.type,
                        reinterpret_cast<const BYTE*>(value.data.data()),
                        static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegRoot root, const std::string& path) {
  return RegDeleteKeyA(RootHandle(root), path.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
  RegistryKey key = Open(root, path);
  return key && RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

}  // namespace dusk
