// Stands in for the floating toolbar until it is built: its page says so.
#include "app/win/pending_part.h"
#include "app/win/startup_seams.h"

namespace dusk {

std::unique_ptr<StartupPart> CreateToolbarPart(ShellServices&, HWND picture4) {
  ShowPendingNotice(picture4, "The toolbar is not built yet.");
  return std::make_unique<StartupPart>();
}

}  // namespace dusk
