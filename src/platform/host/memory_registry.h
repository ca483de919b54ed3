// A registry held in memory with the NT rules, for tests on Linux.
#pragma once
#include <map>
#include <string>

#include "platform/registry.h"

namespace dusk {

class MemoryRegistry : public Registry {
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

 private:
  struct Key {
    std::map<std::string, RegValue> values;  // by lower-case name
  };
  Key* Find(RegRoot root, const std::string& path);
  std::map<std::string, Key> keys_;  // by lower-case "root\path"
};

}  // namespace dusk
