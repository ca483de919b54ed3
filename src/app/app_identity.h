// Who the program is: its title as users see it and where its own settings live.
#pragma once

namespace dusk {

inline constexpr const char* kAppTitle = "Dusklatch";
inline constexpr const char* kAppVersionText = "1.0";
inline constexpr const char* kSettingsFileName = "config.ini";
inline constexpr const char* kScheduleFileName = "system.vvc";

}  // namespace dusk
