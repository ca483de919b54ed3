// What a chosen tray menu item does. Power commands act at once (no confirmation,
// no password, no countdown, never forced); the window commands go to the host.
#pragma once
#include <string>

#include "app/tray_menu_items.h"
#include "platform/dialogs.h"
#include "platform/power.h"

namespace dusk {

// The program as the tray menu's commands see it.
class TrayCommandHost {
 public:
  virtual ~TrayCommandHost() = default;
  virtual PowerApi& Power() = 0;
  virtual Dialogs& Messages() = 0;
  virtual std::string HibernationFilePath() const = 0;
  virtual void OpenAbout() = 0;
  virtual void OpenMainPage() = 0;      // the main window on its Main page
  virtual void OpenSchedulePage() = 0;  // the main window on its Schedule page
  virtual void RunCleaning(CleaningCommand command) = 0;
  virtual void EndProgram() = 0;        // asks first; the password when protection is on
};

void RunTrayCommand(TrayCommandHost& host, const TrayMenuItem& item);

}  // namespace dusk
