// The confirmation before a scheduled action: the message for each action word and
// the request made at the end, always forced.
#pragma once
#include <string>

#include "platform/power.h"

namespace dusk {

inline constexpr int kConfirmationBarMax = 150;
inline constexpr int kConfirmationBarStep = 10;

// The label's text while the count runs; empty for an unknown word.
std::string ConfirmationMessage(const std::string& word);
// The label's text just before the request is made.
std::string ConfirmationFinalMessage(const std::string& word);
// Requests the action for `word`; false for an unknown word.
bool RequestScheduledAction(PowerApi& power, const std::string& word);

}  // namespace dusk
