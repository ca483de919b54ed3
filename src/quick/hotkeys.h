// Registering the six hotkeys for one run of the program, and what a pressed hotkey does.
#pragma once
#include <array>
#include <string>

#include "platform/hotkeys.h"
#include "platform/power.h"
#include "quick/hotkey_table.h"

namespace dusk {

// Remembers which registrations succeeded, so that exactly those are given back.
class HotkeyRegistrations {
 public:
  // Ctrl+Alt+letter under each entry's number; a combination another program holds
  // (or an empty letter) leaves that entry without a hotkey, silently.
  void RegisterAll(HotkeyApi& api, const HotkeyLetters& letters);
  void UnregisterAll(HotkeyApi& api);
  bool registered(int id) const { return id >= 0 && id < kHotkeyCount && registered_[id]; }

 private:
  std::array<bool, kHotkeyCount> registered_{};
};

// What the dispatcher needs from the windows around it.
class HotkeyDispatchHost {
 public:
  virtual ~HotkeyDispatchHost() = default;
  // Lets the messages already waiting be handled once.
  virtual void HandleWaitingMessages() = 0;
  // "Enable Hotkeys" on the page as it is ticked now, saved or not.
  virtual bool HotkeysEnabled() = 0;
  // The hotkey window's label; `show` also brings the window up.
  virtual void Announce(const std::string& text, bool show) = 0;
  virtual PowerApi& Power() = 0;
};

// A pressed hotkey: its action at once, never forced, without the hibernation check.
// Only Shutdown shows its announcement; the others only set it.
void DispatchHotkey(HotkeyDispatchHost& host, int id);

}  // namespace dusk
