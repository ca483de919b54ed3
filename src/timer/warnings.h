// The warnings given before a countdown's action: the warning window with its
// message and the sound, started once per warning and stopped on Close.
#pragma once
#include <string>

#include "platform/dialogs.h"
#include "platform/profile.h"

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
  virtual void SetMessage(const std::string& text) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
};

// Plays a sound file until stopped; a file that cannot be played stays silent.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void Play(const std::string& path) = 0;
  virtual void Stop() = 0;
};

class Warnings {
 public:
  Warnings(WarningWindow& window, SoundPlayer& player) : window_(window), player_(player) {}

  // Every arming warns again.
  void ResetDismissed() { dismissed_ = false; }
  // Runs on every tick inside the warning period.
  void Step(const WarningSettings& settings);
  // The warning window's Close button.
  void Close(const WarningSettings& settings);

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

// The four values as the main window loads them at start-up.
WarningSettings LoadWarningSettings(ProfileApi& profile, const std::string& iniPath);

}  // namespace dusk
