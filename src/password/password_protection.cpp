#include "password/password_protection.h"

#include "app/app_identity.h"
#include "password/password_settings.h"

namespace dusk {

PasswordProtection::PasswordProtection(ProfileApi& profile, std::string settingsFile,
                                       Dialogs& dialogs, PasswordWindows& windows)
    : profile_(profile), settingsFile_(std::move(settingsFile)), dialogs_(dialogs),
      windows_(windows) {}

void PasswordProtection::Load() {
  page_.check24 = ReadPassEnabled(profile_, settingsFile_);
  page_.text11 = ReadStoredPassword(profile_, settingsFile_);
  page_.text12 = page_.text11;
  windows_.ShowPage(page_);
}

bool PasswordProtection::AsksFor(PendingCommand command) {
  switch (command) {
    case PendingCommand::MainForm:
      return true;
    case PendingCommand::Add:
    case PendingCommand::Delete:
    case PendingCommand::DeleteAll:
      // The schedule buttons go by the file: an unsaved tick or clearing on the page
      // gives way to what is stored.
      page_.check24 = ReadPassEnabled(profile_, settingsFile_);
      windows_.ShowPage(page_);
      return page_.check24;
    case PendingCommand::FrmRestart:
    case PendingCommand::Exit:
      break;
  }
  return page_.check24 && !page_.text11.empty();
}

void PasswordProtection::Guard(PendingCommand command, std::function<void()> proceed) {
  if (!AsksFor(command)) {
    if (proceed) proceed();
    return;
  }
  // The prompt holds one pending command: a later request takes the place of an
  // unanswered one.
  pending_ = command;
  proceed_ = std::move(proceed);
  ++requests_;
  windows_.OpenPrompt(command);
}

void PasswordProtection::PromptOk(const std::string& typed) {
  if (!pending_) {
    windows_.ClosePrompt();
    return;
  }
  // Always the password as it is now, never a copy taken when a window was made.
  if (typed != page_.text11) {
    Refuse(WrongPasswordMessage(*pending_), kAppTitle);
    windows_.RetryPrompt();
    return;
  }
  // The command may ask for the password again (or end the program) while it runs:
  // it is taken out of the prompt first.
  std::function<void()> proceed = std::move(proceed_);
  proceed_ = nullptr;
  pending_.reset();
  const unsigned before = requests_;
  if (proceed) proceed();
  // Exit answered No lands here too and closes the prompt only. A request made while
  // the command ran keeps the prompt open for itself.
  if (requests_ == before) windows_.ClosePrompt();
}

void PasswordProtection::PromptCancel() {
  if (pending_ == PendingCommand::MainForm) {
    page_.check24 = ReadPassEnabled(profile_, settingsFile_);
    page_.text11 = ReadStoredPassword(profile_, settingsFile_);
    windows_.ShowPage(page_);
  }
  pending_.reset();
  proceed_ = nullptr;
  windows_.HidePrompt();
}

void PasswordProtection::SetProtectionBox(bool ticked) {
  page_.check24 = ticked;
  windows_.ShowPage(page_);
}

void PasswordProtection::SaveSettings() {
  Guard(PendingCommand::MainForm, [this] { SavePassword(); });
}

void PasswordProtection::SavePassword() {
  if (std::optional<Refusal> refusal = SaveRefusal(page_)) {
    Refuse(refusal->text, refusal->title);
    return;
  }
  WritePassEnabled(profile_, settingsFile_, page_.check24);
  WriteStoredPassword(profile_, settingsFile_, page_.text12);
  dialogs_.Show("Password Settings Saved", "ACCEPTED", MsgButtons::Ok, MsgIcon::Information);
}

void PasswordProtection::ChangePassword() {
  if (page_.check24)
    windows_.ShowChangeWindow();
  else
    Refuse("PASSWORD protection is Disabled", kAppTitle);
}

void PasswordProtection::ChangeOk(const std::string& oldTyped, const std::string& newTyped,
                                  const std::string& retyped) {
  switch (CheckPasswordChange(oldTyped, newTyped, retyped, page_.text11)) {
    case ChangeCheck::OldWrong:
      Refuse("OLD password entered is incorrect", kAppTitle);
      windows_.FocusChangeField(ChangeField::Old);
      return;
    case ChangeCheck::NewNotRepeated:
      Refuse("New password and Retyped password are not same please enter password again",
             kAppTitle);
      windows_.FocusChangeField(ChangeField::New);
      return;
    case ChangeCheck::Accepted:
      break;
  }
  WriteStoredPassword(profile_, settingsFile_, newTyped);
  page_.text11 = page_.text12 = newTyped;
  windows_.ShowPage(page_);
  dialogs_.Show("Password Changed", "ACCEPTED", MsgButtons::Ok, MsgIcon::Information);
  windows_.HideChangeWindow();
}

void PasswordProtection::ChangeCancel() { windows_.HideChangeWindow(); }

void PasswordProtection::Refuse(const char* text, const char* title) {
  dialogs_.Show(text, title, MsgButtons::Ok, MsgIcon::Critical);
}

}  // namespace dusk
