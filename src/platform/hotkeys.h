// System-wide hotkeys: a modifier set and a key registered under a small number,
// delivered to the registering window while any program has the keyboard.
#pragma once

namespace dusk {

// Modifier bits as the system counts them.
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;

class HotkeyApi {
 public:
  virtual ~HotkeyApi() = default;
  // False when the combination is taken (by another program or another number).
  virtual bool Register(int id, unsigned modifiers, unsigned virtualKey) = 0;
  virtual void Unregister(int id) = 0;
};

}  // namespace dusk
