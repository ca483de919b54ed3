#include "app/registry_routines.h"

namespace dusk {

void CreateRegKey(Registry& reg, RegRoot root, const std::string& path) {
  reg.CreateKey(root, path);
}

std::optional<std::string> ReadRegString(Registry& reg, RegRoot root, const std::string& path,
                                         const std::string& name) {
  std::optional<RegValue> value = reg.QueryValue(root, path, name);
  if (!value || value->type != regtype::Sz) return std::nullopt;
  const std::string& data = value->data;
  return data.substr(0, data.find('\0'));
}

void DeleteRegKey(Registry& reg, RegRoot root, const std::string& path) {
  reg.DeleteKey(root, path);
}

void DeleteRegValue(Registry& reg, RegRoot root, const std::string& path, const std::string& name) {
  reg.DeleteValue(root, path, name);
}

}  // namespace dusk
