// The toolbar page, and the floating toolbar opened at start-up when the page says so.
#include <memory>

#include "app/win/shell_services.h"
#include "app/win/startup_seams.h"
#include "quick/win/toolbar_page.h"
#include "quick/win/toolbar_window.h"

namespace dusk {
namespace {

class ToolbarPart : public StartupPart, private ToolbarHost {
 public:
  ToolbarPart(ShellServices& shell, HWND picture4)
      : shell_(shell),
        page_(picture4,
              {shell.Profile(), shell.SettingsFile(), shell.Messages(),
               [&shell] { return shell.Password().ProtectionBoxTicked(); }},
              LoadToolbarOptions(shell.Profile(), shell.SettingsFile())),
        positions_{shell.UserRegistry(), shell.Messages()} {
    // Read once at start-up: saving the page changes a running toolbar in no way.
    if (!OpensToolbar(page_.options())) return;
    toolbar_ = std::make_unique<ToolbarWindow>(
        positions_, [this](ToolbarCommand c) { RunToolbarCommand(*this, c); });
    toolbar_->Open(ToolbarOnTop(page_.options()));
  }

 private:
  PowerApi& Power() override { return shell_.Power(); }
  Dialogs& Messages() override { return shell_.Messages(); }
  std::string HibernationFilePath() const override { return shell_.HibernationFilePath(); }
  void EndProgram() override { shell_.EndProgram(ExitOrigin::Toolbar); }

  ShellServices& shell_;
  ToolbarPage page_;
  PositionServices positions_;
  std::unique_ptr<ToolbarWindow> toolbar_;
};

}  // namespace

std::unique_ptr<StartupPart> CreateToolbarPart(ShellServices& shell, HWND picture4) {
  return std::make_unique<ToolbarPart>(shell, picture4);
}

}  // namespace dusk
