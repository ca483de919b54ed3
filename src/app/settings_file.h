// config.ini: the program's settings, read and written through the profile rules.
#pragma once
#include <string>

#include "platform/profile.h"

namespace dusk {

// Profile reads use a 255-character buffer, so a longer value comes back cut to 254.
inline constexpr std::size_t kIniBufferChars = 255;

// `dataFolder` is the folder that holds the user's settings and schedules (beside the
// executable, or the user's own for an installed copy), with or without a trailing
// backslash.
std::string SettingsFilePath(const std::string& dataFolder);

// The stored value, or the empty text when the file, section or key is missing.
std::string ReadINI(ProfileApi& profile, const std::string& section, const std::string& key,
                    const std::string& filePath);

// The write's status is not looked at: a failing write is silent.
void WriteINI(ProfileApi& profile, const std::string& section, const std::string& key,
              const std::string& value, const std::string& filePath);

}  // namespace dusk
