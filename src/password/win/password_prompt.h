// "validate": asks for the password before a guarded command and hands the typed
// text to the protection, which carries the command out.
#pragma once
#include "password/password_protection.h"
#include "password/win/password_ids.h"
#include "password/win/password_window.h"

namespace dusk {

class PasswordPrompt : public PasswordWindow {
 public:
  explicit PasswordPrompt(PasswordProtection& protection) : protection_(protection) {}

  // Made on first use; shown, not modal, with the pending command's word kept in it.
  void Open(PendingCommand command);
  void Retry();
  void Hide();
  void Close();

 protected:
  HWND FirstField() const override { return GetDlgItem(hwnd(), kPromptText11); }
  void OnOk() override;
  void OnCancel() override;

 private:
  void Create();

  PasswordProtection& protection_;
};

}  // namespace dusk
