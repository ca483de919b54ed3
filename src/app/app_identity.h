// Who the program is: its title as users see it and where its own settings live.
#pragma once

#include "dusk_version.h"
#include "platform/program_title.h"

namespace dusk {

inline constexpr const char* kAppVersionText = DUSK_VERSION_TEXT;  // the build's version (CMake)
inline constexpr const char* kSettingsFileName = "config.ini";
inline constexpr const char* kScheduleFileName = "system.vvc";

}  // namespace dusk

namespace dusk {

// Who makes the program and where users find it.
inline constexpr const char* kMakerName = DUSK_PUBLISHER;
inline constexpr const char* kMakerWebAddress = "http://www.dusklatch.example/";
inline constexpr const char* kMakerSupportAddress = "support@dusklatch.example";

}  // namespace dusk
