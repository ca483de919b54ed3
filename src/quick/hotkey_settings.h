// The hotkeys page: its letter fields, "Enable Hotkeys", and what Save checks and
// writes. New letters take effect at the next start; the box at once.
#pragma once
#include <string>

#include "platform/dialogs.h"
#include "platform/profile.h"
#include "quick/hotkey_table.h"

namespace dusk {

struct HotkeySettings {
  bool enabled = false;  // "Enable Hotkeys"
  HotkeyLetters letters;
};

// Only the letters A to Z and a to z may be typed; any other key, backspace included,
// is dropped.
bool AcceptsHotkeyChar(char c);

// What a letter field holds after any change (typing, pasting): its letters only,
// upper-cased, so that every stored letter is the key it names.
std::string LetterFieldText(const std::string& text);

// The letters as loaded at start-up: the first letter of the stored value,
// upper-cased. A missing, empty or non-letter value gives the entry's own letter,
// so that each entry names a key.
HotkeySettings LoadHotkeySettings(ProfileApi& profile, const std::string& iniPath);

// Save's checks: the first failed check's message, or "" when the letters may be written.
std::string CheckHotkeyLetters(const HotkeyLetters& letters);

// Save: checks, writes "Hotkey_enabled" and the six letters, tells the user. True when written.
bool SaveHotkeySettings(const HotkeySettings& settings, ProfileApi& profile,
                        const std::string& iniPath, Dialogs& dialogs);

}  // namespace dusk
