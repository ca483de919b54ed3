#include "password/password_rules.h"

namespace dusk {

std::optional<Refusal> SaveRefusal(const PasswordPage& page) {
  if (page.text12.empty() || page.text11.empty())
    return Refusal{"Required fileds cannot be left blank", "BLANK ENTRY"};
  if (page.text12 != page.text11)
    return Refusal{"The passwords donot match.Please retype passwords", "Password Mismatch"};
  if (page.text11.size() <= 5 || page.text12.size() <= 5)
    return Refusal{"The Password length must be atleast 6", "Length less then 6"};
  return std::nullopt;
}

const char* WrongPasswordMessage(PendingCommand command) {
  switch (command) {
    case PendingCommand::MainForm:
    case PendingCommand::Exit:
      return "Incorect password ";
    case PendingCommand::Add:
    case PendingCommand::Delete:
    case PendingCommand::DeleteAll:
    case PendingCommand::FrmRestart:
      break;
  }
  return "Incorrect password.Password protection is enabled.You must enter correct password to "
         "continue ";
}

ChangeCheck CheckPasswordChange(const std::string& oldTyped, const std::string& newTyped,
                                const std::string& retyped, const std::string& current) {
  if (oldTyped != current) return ChangeCheck::OldWrong;
  if (retyped != newTyped || newTyped.empty()) return ChangeCheck::NewNotRepeated;
  return ChangeCheck::Accepted;
}

}  // namespace dusk
