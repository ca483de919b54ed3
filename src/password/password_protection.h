// The password protection: the password page's state and buttons, the prompt with its
// pending command, the change-password window's checks, and the gate that the
// guarded commands pass through. Its windows are behind PasswordWindows.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "password/password_gate.h"
#include "password/password_rules.h"
#include "platform/dialogs.h"
#include "platform/profile.h"

namespace dusk {

enum class ChangeField { Old, New };

// What the protection asks of its windows.
class PasswordWindows {
 public:
  virtual ~PasswordWindows() = default;
  // The page shows the box, the masked password and enables what the box governs.
  virtual void ShowPage(const PasswordPage& page) = 0;
  // The prompt: made when missing, shown with the pending command's word, not modal.
  virtual void OpenPrompt(PendingCommand command) = 0;
  // After a wrong password: the prompt stays, the typed text ready to be typed over.
  virtual void RetryPrompt() = 0;
  // Cancel: the prompt is hidden, kept for the next request, its entry emptied.
  virtual void HidePrompt() = 0;
  // After the right password: the prompt is destroyed.
  virtual void ClosePrompt() = 0;
  virtual void ShowChangeWindow() = 0;
  // Hidden after Ok or Cancel, its fields emptied.
  virtual void HideChangeWindow() = 0;
  virtual void FocusChangeField(ChangeField field) = 0;
};

class PasswordProtection : public PasswordGate {
 public:
  PasswordProtection(ProfileApi& profile, std::string settingsFile, Dialogs& dialogs,
                     PasswordWindows& windows);

  // Start-up: the box and the password from the "Pass" keys.
  void Load();
  const PasswordPage& page() const { return page_; }
  std::optional<PendingCommand> pending() const { return pending_; }

  // PasswordGate
  void Guard(PendingCommand command, std::function<void()> proceed) override;
  bool ProtectionBoxTicked() const override { return page_.check24; }

  // The password page.
  void SetProtectionBox(bool ticked);
  void SaveSettings();    // "Save Settings": always behind the prompt
  void SavePassword();    // "Save Password", the save routine itself
  void ChangePassword();  // "Change Password"

  // The prompt.
  void PromptOk(const std::string& typed);
  void PromptCancel();

  // The change-password window.
  void ChangeOk(const std::string& oldTyped, const std::string& newTyped,
                const std::string& retyped);
  void ChangeCancel();

 private:
  bool AsksFor(PendingCommand command);
  void Refuse(const char* text, const char* title);

  ProfileApi& profile_;
  std::string settingsFile_;
  Dialogs& dialogs_;
  PasswordWindows& windows_;
  PasswordPage page_;
  std::optional<PendingCommand> pending_;
  std::function<void()> proceed_;
  unsigned requests_ = 0;  // prompt requests so far
};

}  // namespace dusk
