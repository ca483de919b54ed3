#include "app/tray_menu_commands.h"

namespace dusk {

void RunTrayCommand(TrayCommandHost& host, const TrayMenuItem& item) {
  if (const auto action = TrayPowerAction(item.command)) {
    PerformCheckedPowerAction(host.Power(), host.Messages(), host.HibernationFilePath(), *action);
    return;
  }
  switch (item.command) {
    case TrayCommand::About: host.OpenAbout(); break;
    case TrayCommand::AddSchedule: host.OpenSchedulePage(); break;
    case TrayCommand::OpenMainWindow: host.OpenMainPage(); break;
    case TrayCommand::Exit: host.EndProgram(); break;
    case TrayCommand::Clean: host.RunCleaning(item.cleaning); break;
    default: break;  // the sub-menu's own item runs nothing
  }
}

}  // namespace dusk
