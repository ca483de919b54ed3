// Stands in for the hotkeys until it is built: its page says so.
#include "app/win/pending_part.h"
#include "app/win/startup_seams.h"

namespace dusk {

std::unique_ptr<StartupPart> CreateHotkeyPart(ShellServices&, HWND picture5) {
  ShowPendingNotice(picture5, "The hotkeys are not built yet.");
  return std::make_unique<StartupPart>();
}

}  // namespace dusk
