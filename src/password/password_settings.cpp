#include "password/password_settings.h"

#include "app/settings_file.h"
#include "timer/timer_fields.h"

namespace dusk {
namespace {

constexpr const char* kSection = "Pass";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }

}  // namespace

bool ReadPassEnabled(ProfileApi& profile, const std::string& settingsFile) {
  return LeadingNumber(ReadINI(profile, kSection, "Pass_enabled", settingsFile)) == 1;
}

void WritePassEnabled(ProfileApi& profile, const std::string& settingsFile, bool ticked) {
  WriteINI(profile, kSection, "Pass_Enabled", ticked ? "1" : "0", settingsFile);
}

std::string ReadStoredPassword(ProfileApi& profile, const std::string& settingsFile) {
  return ReadINI(profile, kSection, "val", settingsFile);
}

void WriteStoredPassword(ProfileApi& profile, const std::string& settingsFile,
                         const std::string& password) {
  WriteINI(profile, kSection, "Val", StoredPasswordText(password), settingsFile);
}

std::string StoredPasswordText(const std::string& password) {
  if (password.empty()) return password;
  const bool blankAround = IsBlank(password.front()) || IsBlank(password.back());
  const bool quoted =
      password.size() >= 2 && IsQuote(password.front()) && password.back() == password.front();
  return blankAround || quoted ? "\"" + password + "\"" : password;
}

}  // namespace dusk
