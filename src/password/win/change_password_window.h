// "chpass": the old password, the new one twice; made hidden at start-up, kept on top.
#pragma once
#include "password/password_protection.h"
#include "password/win/password_ids.h"
#include "password/win/password_window.h"

namespace dusk {

class ChangePasswordWindow : public PasswordWindow {
 public:
  explicit ChangePasswordWindow(PasswordProtection& protection) : protection_(protection) {}

  void Create();
  void Show();
  void Hide();
  void Focus(ChangeField field);

 protected:
  HWND FirstField() const override { return GetDlgItem(hwnd(), kChangeText1); }
  void OnOk() override;
  void OnCancel() override;

 private:
  PasswordProtection& protection_;
};

}  // namespace dusk
