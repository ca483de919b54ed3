#include "quick/hotkeys.h"

namespace dusk {

void HotkeyRegistrations::RegisterAll(HotkeyApi& api, const HotkeyLetters& letters) {
  for (const HotkeyEntry& e : kHotkeys) {
    const std::string& letter = letters[e.id];
    // An upper-case letter's character code is its key's code.
    registered_[e.id] = !letter.empty() &&
                        api.Register(e.id, kHotkeyModifiers, static_cast<unsigned char>(letter[0]));
  }
}

void HotkeyRegistrations::UnregisterAll(HotkeyApi& api) {
  for (const HotkeyEntry& e : kHotkeys) {
    if (!registered_[e.id]) continue;
    api.Unregister(e.id);
    registered_[e.id] = false;
  }
}

void DispatchHotkey(HotkeyDispatchHost& host, int id) {
  host.HandleWaitingMessages();
  if (!host.HotkeysEnabled()) return;
  if (id < 0 || id >= kHotkeyCount) return;
  const HotkeyEntry& e = kHotkeys[id];
  host.Announce(e.announcement, e.action == PowerAction::Shutdown);
  PerformPowerAction(host.Power(), e.action, false);
}

}  // namespace dusk
