// Stands in for the pictured tray menu until it is built: a plain menu with Exit.
#include "app/win/shell_services.h"
#include "app/win/tray_menu.h"

namespace dusk {

class TrayMenu::Impl {
 public:
  explicit Impl(ShellServices& shell) : shell_(shell) {}
  ShellServices& shell_;
};

TrayMenu::TrayMenu(ShellServices& shell) : impl_(std::make_unique<Impl>(shell)) {}
TrayMenu::~TrayMenu() = default;

void TrayMenu::PopUp(HWND owner, POINT at) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "Exit");
  const UINT chosen = TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr);
  DestroyMenu(menu);
  if (chosen == 1) impl_->shell_.EndProgram(ExitOrigin::TrayMenu);
}

void TrayMenu::Close() {}

}  // namespace dusk
