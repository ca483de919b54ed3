#include "app/user_settings.h"

#include "app/registry_routines.h"

namespace dusk {
namespace {
std::string KeyPath(const std::string& app, const std::string& section) {
  return "Software\\" + app + "\\" + section;
}
}  // namespace

std::optional<std::string> UserSettings::Get(const std::string& app, const std::string& section,
                                             const std::string& key) {
  return ReadRegString(registry_, RegRoot::CurrentUser, KeyPath(app, section), key);
}

void UserSettings::Save(const std::string& app, const std::string& section, const std::string& key,
                        const std::string& value) {
  registry_.SetValue(RegRoot::CurrentUser, KeyPath(app, section), key, StringValue(value));
}

}  // namespace dusk
