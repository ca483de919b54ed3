// Stands in for the file manager's menu until it is built.
#include "app/win/pending_part.h"
#include "app/win/startup_seams.h"

namespace dusk {

std::unique_ptr<StartupPart> CreateContextMenuPart(ShellServices&) {
  return std::make_unique<StartupPart>();
}

}  // namespace dusk
