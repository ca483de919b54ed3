// The toolbar page (Picture4): ten boxes, "Save Settings", "Select All" and
// "Select None". The page keeps its boxes' states current on every click.
#pragma once
#include <functional>

#include "platform/dialogs.h"
#include "platform/profile.h"
#include "quick/toolbar_options.h"
#include "timer/win/timer_window.h"

namespace dusk {

class ToolbarPage : public SettingsPanel {
 public:
  struct Services {
    ProfileApi& profile;
    std::string settingsFile;
    Dialogs& dialogs;
    // The password page's "Enable password protection" as ticked now.
    std::function<bool()> passwordProtectionTicked;
  };
  ToolbarPage(HWND picture4, Services services, const ToolbarOptions& loaded);
  ~ToolbarPage() override;

  const ToolbarOptions& options() const { return options_; }

 private:
  void OnCommand(int id, int code) override;
  void ShowOptions();

  Services services_;
  ToolbarOptions options_;
};

}  // namespace dusk
