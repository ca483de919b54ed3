// The tray menu: the hidden window Form2 that carries it, created on first use, and
// the menu drawn with its pictures. Choosing an item runs its command through the shell.
#pragma once
#include <windows.h>

#include <memory>

namespace dusk {

class ShellServices;

class TrayMenu {
 public:
  explicit TrayMenu(ShellServices& shell);
  ~TrayMenu();
  TrayMenu(const TrayMenu&) = delete;
  TrayMenu& operator=(const TrayMenu&) = delete;

  // Pops the menu up at `at` (screen pixels), owned by `owner`, and runs the chosen
  // item's command before returning. The caller has made `owner` the foreground window.
  void PopUp(HWND owner, POINT at);
  // Closes Form2 (part of ending the program).
  void Close();

  // Form2 and its menu `new`, created on first use; each item's data is a
  // TrayMenuEntry (tray_menu_entry.h).
  HWND Window();
  HMENU Menu();
  // Runs the command of the item with this menu id, as choosing it does.
  void Choose(UINT id);

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace dusk
