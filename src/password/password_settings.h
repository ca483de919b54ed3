// The "Pass" section of config.ini: whether protection is on and the password itself,
// kept as plain text.
#pragma once
#include <string>

#include "platform/profile.h"

namespace dusk {

// "Pass_enabled" read as a check box: ticked when the stored number is 1.
bool ReadPassEnabled(ProfileApi& profile, const std::string& settingsFile);
void WritePassEnabled(ProfileApi& profile, const std::string& settingsFile, bool ticked);

// "val", the password as stored.
std::string ReadStoredPassword(ProfileApi& profile, const std::string& settingsFile);
void WriteStoredPassword(ProfileApi& profile, const std::string& settingsFile,
                         const std::string& password);

// The text written under "Val" for a password. The profile reader drops blanks around a
// value and one pair of quotes enclosing it, so a password that would lose characters
// that way is written inside double quotes; every other password is written as it is.
std::string StoredPasswordText(const std::string& password);

// The longest password that reads back whole (the reader returns at most 254
// characters, two of which may be the quotes).
inline constexpr int kPasswordMaxChars = 252;

}  // namespace dusk
