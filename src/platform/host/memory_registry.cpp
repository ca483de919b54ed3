#include "platform/host/memory_registry.h"

#include "platform/text_compare.h"

namespace dusk {
namespace {

std::string RootName(RegRoot root) {
  switch (root) {
    case RegRoot::CurrentUser: return "hkcu";
    case RegRoot::LocalMachine: return "hklm";
    case RegRoot::ClassesRoot: return "hkcr";
  }
  return "?";
}

// Lower case, no doubled, leading or trailing backslashes.
std::string Canonical(RegRoot root, const std::string& path) {
  std::string out = RootName(root);
  std::string part;
  for (char c : ToLowerAscii(path) + "\\") {
    if (c != '\\') {
      part.push_back(c);
    } else if (!part.empty()) {
      out += "\\" + part;
      part.clear();
    }
  }
  return out;
}

}  // namespace

MemoryRegistry::Key* MemoryRegistry::Find(RegRoot root, const std::string& path) {
  auto it = keys_.find(Canonical(root, path));
  return it == keys_.end() ? nullptr : &it->second;
}

bool MemoryRegistry::CreateKey(RegRoot root, const std::string& path) {
  std::string full = Canonical(root, path);
  for (size_t at = full.find('\\'); at != std::string::npos; at = full.find('\\', at + 1))
    keys_[full.substr(0, at)];
  keys_[full];
  return true;
}

bool MemoryRegistry::KeyExists(RegRoot root, const std::string& path) {
  return Find(root, path) != nullptr;
}

std::vector<std::string> MemoryRegistry::SubKeyNames(RegRoot root, const std::string& path) {
  const std::string prefix = Canonical(root, path) + "\\";
  std::vector<std::string> names;
  for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.rfind(prefix, 0) == 0; ++it) {
    std::string rest = it->first.substr(prefix.size());
    if (rest.find('\\') == std::string::npos) names.push_back(rest);
  }
  return names;
}

std::optional<RegValue> MemoryRegistry::QueryValue(RegRoot root, const std::string& path,
                                                   const std::string& name) {
  Key* key = Find(root, path);
  if (!key) return std::nullopt;
  auto it = key->values.find(ToLowerAscii(name));
  if (it == key->values.end()) return std::nullopt;
  return it->second;
}

bool MemoryRegistry::SetValue(RegRoot root, const std::string& path, const std::string& name,
                              const RegValue& value) {
  CreateKey(root, path);
  Find(root, path)->values[ToLowerAscii(name)] = value;
  return true;
}

bool MemoryRegistry::DeleteKey(RegRoot root, const std::string& path) {
  std::string full = Canonical(root, path);
  auto it = keys_.find(full);
  if (it == keys_.end() || full == RootName(root)) return false;
  auto next = std::next(it);
  if (next != keys_.end() && next->first.rfind(full + "\\", 0) == 0) return false;
  keys_.erase(it);
  return true;
}

bool MemoryRegistry::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
  Key* key = Find(root, path);
  return key && key->values.erase(ToLowerAscii(name)) > 0;
}

}  // namespace dusk
