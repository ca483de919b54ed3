// The warning message and sound settings on the Settings page, with Browse and
// Save Settings. The page keeps its four values current on every change.
#pragma once
#include <functional>

#include "platform/dialogs.h"
#include "platform/file_dialog.h"
#include "platform/profile.h"
#include "timer/warnings.h"
#include "timer/win/timer_window.h"

namespace dusk {

inline constexpr int kCheck25 = 1301;  // "Show warning Message"
inline constexpr int kLabel8 = 1302;   // "Message Text"
inline constexpr int kText3 = 1303;
inline constexpr int kCheck12 = 1304;  // "Play Sound"
inline constexpr int kLabel10 = 1305;  // "Sound File"
inline constexpr int kText4 = 1306;
inline constexpr int kSettingsBrowse = 1307;  // CandyButton1 "Browse"
inline constexpr int kSettingsSave = 1308;    // CandyButton10 "Save Settings"

class WarningsPage : public SettingsPanel {
 public:
  struct Services {
    ProfileApi& profile;
    std::string settingsFile;
    Dialogs& dialogs;
    FileDialog& files;
  };
  WarningsPage(HWND picture3, Services services, const WarningSettings& loaded);

  const WarningSettings& settings() const { return settings_; }

 private:
  void OnCommand(int id, int code) override;
  void ApplySoundEnabling();

  Services services_;
  WarningSettings settings_;
};

}  // namespace dusk
