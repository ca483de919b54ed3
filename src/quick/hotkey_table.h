// The six hotkeys: Ctrl+Alt and one letter each, numbered 0 to 5, each carrying out
// one power action at once.
#pragma once
#include <array>
#include <string>

#include "platform/hotkeys.h"
#include "power/power_actions.h"

namespace dusk {

struct HotkeyEntry {
  int id;
  const char* key;    // its key in section "HOTKEY" of config.ini
  const char* label;  // the caption beside its letter field
  char defaultLetter;
  PowerAction action;
  const char* announcement;  // the hotkey window's text when it fires
};

inline constexpr int kHotkeyCount = 6;
inline constexpr const char* kHotkeySection = "HOTKEY";
inline constexpr const char* kHotkeyEnabledKey = "Hotkey_enabled";
inline constexpr unsigned kHotkeyModifiers = kModControl | kModAlt;

inline constexpr std::array<HotkeyEntry, kHotkeyCount> kHotkeys{{
    {0, "Shutdown", "Shutdown", 'S', PowerAction::Shutdown, "The System is going to shutdown !!!"},
    {1, "Restart", "Restart", 'R', PowerAction::Restart, "The System is going to Restart !!!"},
    {2, "LogOff", "Log Off", 'L', PowerAction::LogOff, "The System is going to Log Off !!!"},
    {3, "StandBy", "Stand By", 'X', PowerAction::StandBy, "The System is going to standby !!!"},
    {4, "Hibernate", "Hibernate", 'H', PowerAction::Hibernate,
     "The System is going to Hibernate !!!"},
    {5, "Lock", "Lock Computer", 'C', PowerAction::Lock, "The computer will be locked  !!!"},
}};

using HotkeyLetters = std::array<std::string, kHotkeyCount>;

}  // namespace dusk
