// Message tables of a window hook: which messages its handler sees before and after the
// window's previous procedure, and the texts of the hook's refusals.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dusk {

inline constexpr int32_t kAllMessages = -1;
inline constexpr int kMsgEntries = 32;
inline constexpr int kHookBefore = 1;
inline constexpr int kHookAfter = 2;

// count 0: nothing; -1: every message; 1..32 used entries, where 0 marks a freed entry.
struct MessageTable {
  int32_t count = 0;
  std::array<uint32_t, kMsgEntries> entries{};

  // Both return the refusal text, or nothing when the change was made.
  std::optional<std::string> Add(int32_t message);
  std::optional<std::string> Remove(int32_t message);
  bool Lists(uint32_t message) const;
};

// Growable list without a limit (the lighter hook).
struct MessageList {
  int32_t count = 0;
  std::vector<uint32_t> entries;
  void Add(int32_t message);
  bool Lists(uint32_t message) const;
};

std::string MessageNotFoundText(int32_t message);
std::string MessageTableOverflowText();

// One refusal, as it goes to the event log and to the message box.
struct SubclassError {
  std::string type_name;
  std::string routine;
  std::string message;
  std::string LogText() const { return type_name + "." + routine + ": " + message; }
  std::string BoxText() const { return message + "."; }
  std::string BoxTitle() const { return "Error in " + type_name + "." + routine; }
};

}  // namespace dusk
