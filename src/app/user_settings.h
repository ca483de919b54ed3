// A per-user store of texts keyed by (application, section, key), kept in the
// registry under HKCU\Software\<application>\<section>, never in config.ini.
#pragma once
#include <optional>
#include <string>

#include "platform/registry.h"

namespace dusk {

class UserSettings {
 public:
  explicit UserSettings(Registry& registry) : registry_(registry) {}

  std::optional<std::string> Get(const std::string& app, const std::string& section,
                                 const std::string& key);
  void Save(const std::string& app, const std::string& section, const std::string& key,
            const std::string& value);

 private:
  Registry& registry_;
};

}  // namespace dusk
