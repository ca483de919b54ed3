// The cleaner page as the main window's start-up makes it: its boxes come from the
// CLEANUP keys of config.ini.
#include <memory>

#include "app/win/shell_services.h"
#include "app/win/startup_seams.h"
#include "cleaner/win/cleaner_page_window.h"

namespace dusk {
namespace {

class CleanerPart : public StartupPart {
 public:
  CleanerPart(ShellServices& shell, HWND picture2, CleanerPage& page)
      : window_(picture2, {shell.Profile(), shell.SettingsFile(), shell.Messages()}, page) {}

 private:
  CleanerPageWindow window_;
};

}  // namespace

std::unique_ptr<StartupPart> CreateCleanerPart(ShellServices& shell, HWND picture2, CleanerPage& page) {
  page = CleanerPage(LoadCleanupBoxes(shell.Profile(), shell.SettingsFile()));
  return std::make_unique<CleanerPart>(shell, picture2, page);
}

}  // namespace dusk
