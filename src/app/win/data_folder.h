// Where a copy of the program keeps config.ini and system.vvc.
//
// A copy unpacked anywhere keeps them beside its exe. A copy put in place by the
// installer (it leaves kInstalledMarker beside the exe) lives under Program Files,
// where a user without administrator rights may not write on Vista and later, and
// which every user of the machine shares; each user's settings and schedules then
// live in a folder of their own, <application data>\Dusklatch.
#pragma once
#include <string>

namespace dusk {

inline constexpr const char* kInstalledMarker = "installed.txt";
inline constexpr const char* kUserDataFolderName = "Dusklatch";

// The folder for config.ini and system.vvc, without a trailing backslash. For an
// installed copy it is made if missing and given a copy of each of the two files that
// the program folder holds and it lacks (the shipped config.ini, or what an older copy
// kept beside the exe); a file already there is never replaced. Falls back to the
// program folder when the user's folder cannot be made.
std::string DataFolderFor(const std::string& programFolder, const std::string& appDataFolder);

// The same with the current user's roaming application data folder.
std::string DataFolderFor(const std::string& programFolder);

}  // namespace dusk
