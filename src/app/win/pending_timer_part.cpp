// Stands in for the countdown until it is built: its pages say so.
#include "app/win/pending_part.h"
#include "app/win/startup_seams.h"

namespace dusk {

std::unique_ptr<StartupPart> CreateTimerPart(ShellServices&, HWND picture1, HWND picture3) {
  ShowPendingNotice(picture1, "The countdown is not built yet.");
  ShowPendingNotice(picture3, "The warning settings are not built yet.");
  return std::make_unique<StartupPart>();
}

}  // namespace dusk
