#include "quick/toolbar.h"

#include "power/power_actions.h"

namespace dusk {

ButtonPlace ToolbarButtonPlace(int index) { return {64 + 32 * index, 16, 33}; }

RoundRectSpec ToolbarOutline(long twipsPerPixelX, long twipsPerPixelY) {
  return RemainingWindowOutline(twipsPerPixelX, twipsPerPixelY);
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
