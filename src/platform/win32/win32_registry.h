// The registry service on the real A calls.
#pragma once
#include "platform/registry.h"

namespace dusk {

class Win32Registry : public Registry {
 public:
  bool CreateKey(RegRoot root, const std::string& path) override;
  bool KeyExists(RegRoot root, const std::string& path) override;
  std::vector<std::string> SubKeyNames(RegRoot root, const std::string& path) override;
  std::optional<RegValue> QueryValue(RegRoot root, const std::string& path,
                                     const std::string& name) override;
  bool SetValue(RegRoot root, const std::string& path, const std::string& name,
                const RegValue& value) override;
  bool DeleteKey(RegRoot root, const std::string& path) override;
  bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override;
};

}  // namespace dusk
