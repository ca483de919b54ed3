// The warnings given before a countdown's action: the warning window with its
// message and the sound, started once per warning and stopped on Close.
#pragma once
#include <string>

#include "platform/dialogs.h"
#include "platform/file_dialog.h"
#include "platform/profile.h"
#include "platform/sound.h"

namespace dusk {

struct WarningSettings {
  bool messageOn = false;  // "Show warning Message"
  std::string message;
  bool soundOn = false;  // "Play Sound"
  std::string soundPath;
};

class WarningWindow {
 public:
  virtual ~WarningWindow() = default;
  // Creates the window (hidden) if it does not exist yet.
  virtual void Load() = 0;
  virtual void SetMessage(const std::string& text) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Mirrors the two markers into the window's hidden fields ("Visible", "Music").
  virtual void ShowMarkers(bool dismissed, bool soundStarted) = 0;
};

class Warnings {
 public:
  Warnings(WarningWindow& window, SoundPlayer& player) : window_(window), player_(player) {}

  // Every arming loads the window and warns again.
  void ResetDismissed();
  // Runs on every tick inside the warning period.
  void Step(const WarningSettings& settings);
  // The warning window's Close button.
  void Close(const WarningSettings& settings);
  // The action has come: the warning window goes and its sound stops.
  void End();

  bool dismissed() const { return dismissed_; }
  bool soundStarted() const { return started_; }

 private:
  WarningWindow& window_;
  SoundPlayer& player_;
  bool dismissed_ = false;  // closed by the user with sound on
  bool started_ = false;    // the warning (and its sound) has been started
};

// Save Settings on the warnings page: the first failed check's message, or ""
// when the settings may be written.
std::string CheckWarningSettings(const WarningSettings& s);

// Save Settings: checks, writes the ticked boxes' keys (an unticked box's keys
// are left as stored) and tells the user. True when written.
bool SaveWarningSettings(const WarningSettings& s, ProfileApi& profile, const std::string& iniPath,
                         Dialogs& dialogs);

// Browse: the chooser's filter and what the sound file field holds afterwards. A
// cancelled dialog leaves the field as it was.
inline constexpr const char* kSoundFileFilter = "MP3 (*.mp3)|*.MP3|WAV (*.wav)|*.WAV";
std::string BrowseSoundFile(FileDialog& dialog, const std::string& current);

// The four values as the main window loads them at start-up.
WarningSettings LoadWarningSettings(ProfileApi& profile, const std::string& iniPath);

}  // namespace dusk
