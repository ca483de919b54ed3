#include "power/shell_menu_click.h"

#include <optional>

#include "app/app_identity.h"
#include "power/power_actions.h"
#include "power/shell_menu_items.h"

namespace dusk {
namespace {

std::optional<PowerAction> ActionOf(const std::string& text) {
  if (text == "Shutdown") return PowerAction::Shutdown;
  if (text == "Restart") return PowerAction::Restart;
  if (text == "StandBy") return PowerAction::StandBy;
  if (text == "Hibernate") return PowerAction::Hibernate;
  if (text == "Logoff") return PowerAction::LogOff;
  if (text == "Lock Computer") return PowerAction::Lock;
  return std::nullopt;
}

}  // namespace

void RunShellMenuItem(ShellMenuClickHost& host, const std::string& itemText) {
  if (itemText == "About") {
    host.ShowAbout();
    return;
  }
  const auto action = ActionOf(itemText);
  if (!action) return;
  if (*action == PowerAction::Hibernate &&
      !IsHibernationAvailable(host.Power(), host.HibernationFilePath())) {
    host.Messages().Show(kHibernationDisabledMessage, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
    return;
  }
  PerformPowerAction(host.Power(), *action, false);
}

void RunShellMenuClick(ShellMenuClickHost& host, unsigned long position) {
  if (position >= static_cast<unsigned long>(kShellMenuCommandCount)) return;
  RunShellMenuItem(host, kShellMenuCommands[position].text);
}

}  // namespace dusk
