// The hotkeys page (Picture5): "Enable Hotkeys", the six letter fields behind
// "CTRL+ ALT +" in the frame "Hotkeys", and Save. The page keeps its values current
// on every change; the frame and Save are usable only while the box is ticked.
#pragma once
#include <memory>

#include "platform/dialogs.h"
#include "platform/profile.h"
#include "quick/hotkey_settings.h"
#include "timer/win/timer_window.h"

namespace dusk {

class LightSubclasser;

class HotkeysPage : public SettingsPanel {
 public:
  struct Services {
    ProfileApi& profile;
    std::string settingsFile;
    Dialogs& dialogs;
  };
  HotkeysPage(HWND picture5, Services services, const HotkeySettings& loaded);
  ~HotkeysPage() override;

  const HotkeySettings& settings() const { return settings_; }

 private:
  void OnCommand(int id, int code) override;
  void OnLetterEdited(int index);
  void ApplyEnabling();

  Services services_;
  HotkeySettings settings_;
  std::unique_ptr<LightSubclasser> letterKeys_;
};

}  // namespace dusk
