// Stands in for the password protection until it is built: its page says so.
#include "app/win/pending_part.h"
#include "app/win/startup_seams.h"

namespace dusk {

std::unique_ptr<StartupPart> CreatePasswordPart(ShellServices&, HWND picture6) {
  ShowPendingNotice(picture6, "The password protection is not built yet.");
  return std::make_unique<StartupPart>();
}

}  // namespace dusk
