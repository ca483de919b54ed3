#include "quick/toolbar.h"

#include "power/power_actions.h"

namespace dusk {

ToolbarLayout LayOutToolbar(long twipsPerPixelX, long twipsPerPixelY) {
  if (twipsPerPixelX <= 0) twipsPerPixelX = 15;
  if (twipsPerPixelY <= 0) twipsPerPixelY = 15;
  auto x = [&](int v) { return static_cast<int>(v * 15 / twipsPerPixelX); };
  auto y = [&](int v) { return static_cast<int>(v * 15 / twipsPerPixelY); };
  ToolbarLayout layout{x(kToolbarWidth),
                       y(kToolbarHeight),
                       RemainingWindowOutline(twipsPerPixelX, twipsPerPixelY),
                       {}};
  for (int i = 0; i < static_cast<int>(layout.buttons.size()); ++i)
    layout.buttons[i] = {x(64 + 32 * i), y(16), x(33), y(33)};
  return layout;
}

void RunToolbarCommand(ToolbarHost& host, ToolbarCommand command) {
  auto act = [&host](PowerAction action) {
    PerformCheckedPowerAction(host.Power(), host.Messages(), host.HibernationFilePath(), action);
  };
  switch (command) {
    case ToolbarCommand::Shutdown:
      act(PowerAction::Shutdown);
      break;
    case ToolbarCommand::Restart:
      act(PowerAction::Restart);
      break;
    case ToolbarCommand::LogOff:
      act(PowerAction::LogOff);
      break;
    case ToolbarCommand::Hibernate:
      act(PowerAction::Hibernate);
      break;
    case ToolbarCommand::Lock:
      act(PowerAction::Lock);
      break;
    case ToolbarCommand::StandBy:
      act(PowerAction::StandBy);
      break;
    case ToolbarCommand::Exit:
      host.EndProgram();
      break;
  }
}

}  // namespace dusk
