// Stands in for the cleaner until it is built: its page says so.
#include "app/win/pending_part.h"
#include "app/win/startup_seams.h"

namespace dusk {

std::unique_ptr<StartupPart> CreateCleanerPart(ShellServices&, HWND picture2) {
  ShowPendingNotice(picture2, "The cleaner is not built yet.");
  return std::make_unique<StartupPart>();
}

}  // namespace dusk
