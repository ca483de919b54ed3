// The toolbar page (Picture4): ten boxes, "Save Settings", "Select All" and
// "Select None". The page keeps its boxes' states current on every click.
#pragma once
#include <functional>

#include "platform/dialogs.h"
#include "platform/profile.h"
#include "quick/toolbar_options.h"
#include "timer/win/timer_window.h"

namespace dusk {

class ToolbarPage : public TimerWindow {
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

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnCommand(int id, int code);
  void ShowOptions();
  HWND Item(int id) const { return GetDlgItem(hwnd(), id); }

  Services services_;
  ToolbarOptions options_;
};

}  // namespace dusk
