#include "quick/hotkey_settings.h"

#include "app/app_identity.h"
#include "app/settings_file.h"
#include "timer/timer_fields.h"

namespace dusk {

bool AcceptsHotkeyChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string LetterFieldText(const std::string& text) {
  std::string letters;
  for (char c : text)
    if (AcceptsHotkeyChar(c)) letters += static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
  return letters;
}

HotkeySettings LoadHotkeySettings(ProfileApi& profile, const std::string& iniPath) {
  HotkeySettings s;
  s.enabled = LeadingNumber(ReadINI(profile, kHotkeySection, kHotkeyEnabledKey, iniPath)) != 0;
  for (const HotkeyEntry& e : kHotkeys) {
    const std::string stored = ReadINI(profile, kHotkeySection, e.key, iniPath);
    const bool letter = !stored.empty() && AcceptsHotkeyChar(stored[0]);
    s.letters[e.id] =
        letter ? LetterFieldText(stored.substr(0, 1)) : std::string(1, e.defaultLetter);
  }
  return s;
}

std::string CheckHotkeyLetters(const HotkeyLetters& letters) {
  for (const std::string& letter : letters)
    if (letter.empty()) return "Please fill the blank fields";
  for (int i = 0; i < kHotkeyCount; ++i)
    for (int j = i + 1; j < kHotkeyCount; ++j)
      if (letters[i] == letters[j])
        return "Two or more values are same !!! Please enter DISTINCT values for all operations.";
  return "";
}

bool SaveHotkeySettings(const HotkeySettings& s, ProfileApi& profile, const std::string& iniPath,
                        Dialogs& dialogs) {
  const std::string problem = CheckHotkeyLetters(s.letters);
  if (!problem.empty()) {
    dialogs.Show(problem, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
    return false;
  }
  WriteINI(profile, kHotkeySection, kHotkeyEnabledKey, s.enabled ? "1" : "0", iniPath);
  for (const HotkeyEntry& e : kHotkeys)
    WriteINI(profile, kHotkeySection, e.key, s.letters[e.id], iniPath);
  dialogs.Show("Hotkey settings have been saved !!", kAppTitle, MsgButtons::Ok, MsgIcon::None);
  return true;
}

}  // namespace dusk
