#include "app/settings_file.h"

#include "app/app_identity.h"

namespace dusk {

std::string SettingsFilePath(const std::string& dataFolder) {
  std::string path = dataFolder;
  if (path.empty() || path.back() != '\\') path.push_back('\\');
  return path + kSettingsFileName;
}

std::string ReadINI(ProfileApi& profile, const std::string& section, const std::string& key,
                    const std::string& filePath) {
  return profile.GetString(section, key, "", kIniBufferChars, filePath);
}

void WriteINI(ProfileApi& profile, const std::string& section, const std::string& key,
              const std::string& value, const std::string& filePath) {
  profile.WriteString(section, key, value, filePath);
}

}  // namespace dusk
