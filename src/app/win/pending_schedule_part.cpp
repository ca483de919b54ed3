// Stands in for the scheduler until it is built: its page says so.
#include "app/win/pending_part.h"
#include "app/win/startup_seams.h"

namespace dusk {

std::unique_ptr<StartupPart> CreateSchedulePart(ShellServices&, HWND picture7) {
  ShowPendingNotice(picture7, "The schedules are not built yet.");
  return std::make_unique<StartupPart>();
}

}  // namespace dusk
