// The checks of the password windows, free of any window.
#pragma once
#include <optional>
#include <string>

#include "password/password_gate.h"

namespace dusk {

// What the password page holds: the protection box, the stored password shown masked
// and its hidden twin. The page shows the password; nobody edits it there.
struct PasswordPage {
  bool check24 = false;  // "Enable password protection"
  std::string text11;    // the password as it is now: last read, saved or changed
  std::string text12;
};

// A refusal told in a message box with the critical-error icon.
struct Refusal {
  const char* text;
  const char* title;
};

// The refusal of the page's save, checked in this order: blank, mismatch, length.
std::optional<Refusal> SaveRefusal(const PasswordPage& page);

// What the prompt says to a wrong password for a pending command.
const char* WrongPasswordMessage(PendingCommand command);

enum class ChangeCheck { OldWrong, NewNotRepeated, Accepted };
// The change-password window's checks: the old password first, then the new one typed
// twice the same and not empty. Its length is not checked.
ChangeCheck CheckPasswordChange(const std::string& oldTyped, const std::string& newTyped,
                                const std::string& retyped, const std::string& current);

}  // namespace dusk
