// The password protection as the main window keeps it: the page, the prompt, the
// change-password window (made hidden at start-up) and the gate they form.
#include "password/win/password_part.h"

#include "app/win/shell_services.h"
#include "password/password_protection.h"
#include "password/win/change_password_window.h"
#include "password/win/password_page.h"
#include "password/win/password_prompt.h"

namespace dusk {
namespace {

class PasswordPartWin : public PasswordPart, private PasswordWindows {
 public:
  PasswordPartWin(ProfileApi& profile, std::string settingsFile, Dialogs& dialogs, HWND picture6)
      : protection_(profile, std::move(settingsFile), dialogs, *this),
        page_(picture6, protection_),
        prompt_(protection_),
        change_(protection_) {
    protection_.Load();
    change_.Create();
  }

  PasswordGate& Gate() override { return protection_; }

 private:
  // PasswordWindows
  void ShowPage(const PasswordPage& page) override { page_.Show(page); }
  void OpenPrompt(PendingCommand command) override { prompt_.Open(command); }
  void RetryPrompt() override { prompt_.Retry(); }
  void HidePrompt() override { prompt_.Hide(); }
  void ClosePrompt() override { prompt_.Close(); }
  void ShowChangeWindow() override { change_.Show(); }
  void HideChangeWindow() override { change_.Hide(); }
  void FocusChangeField(ChangeField field) override { change_.Focus(field); }

  PasswordProtection protection_;
  PasswordPageWin page_;
  PasswordPrompt prompt_;
  ChangePasswordWindow change_;
};

}  // namespace

std::unique_ptr<PasswordPart> CreatePasswordPartWith(ProfileApi& profile, std::string settingsFile,
                                                     Dialogs& dialogs, HWND picture6) {
  return std::make_unique<PasswordPartWin>(profile, std::move(settingsFile), dialogs, picture6);
}

std::unique_ptr<PasswordPart> CreatePasswordPart(ShellServices& shell, HWND picture6) {
  return CreatePasswordPartWith(shell.Profile(), shell.SettingsFile(), shell.Messages(), picture6);
}

}  // namespace dusk
