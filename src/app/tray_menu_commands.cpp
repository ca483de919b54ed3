#include "app/tray_menu_commands.h"

#include "app/app_identity.h"

namespace dusk {

void RunTrayCommand(TrayCommandHost& host, const TrayMenuItem& item) {
  if (const auto action = TrayPowerAction(item.command)) {
    if (*action == PowerAction::Hibernate && !IsHibernationAvailable(host.Power(), host.HibernationFilePath())) {
      host.Messages().Show(kHibernationDisabledMessage, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
      return;
    }
    PerformPowerAction(host.Power(), *action, false);
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
