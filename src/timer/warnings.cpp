#include "timer/warnings.h"

#include "app/settings_file.h"
#include "timer/timer_fields.h"

namespace dusk {

namespace {
constexpr const char* kTitle = "Dusklatch";
}  // namespace

void Warnings::ResetDismissed() {
  window_.Load();
  dismissed_ = false;
  window_.ShowMarkers(dismissed_, started_);
}

void Warnings::Step(const WarningSettings& s) {
  if (!s.soundOn && !s.messageOn) return;
  if (dismissed_) return;
  window_.Load();
  if (!started_) {
    // The window always carries the message text, even with only sound on.
    window_.SetMessage(s.message);
    if (s.soundOn) {
      started_ = true;
      window_.ShowMarkers(dismissed_, started_);
      player_.Play(s.soundPath);
    }
  }
  window_.Show();
}

void Warnings::Close(const WarningSettings& s) {
  if (s.soundOn) {
    player_.Stop();
    dismissed_ = true;
  }
  started_ = false;
  window_.ShowMarkers(dismissed_, started_);
  window_.Hide();
}

void Warnings::End() {
  if (started_) player_.Stop();
  started_ = false;
  window_.ShowMarkers(dismissed_, started_);
  window_.Hide();
}

std::string BrowseSoundFile(FileDialog& dialog, const std::string& current) {
  std::optional<std::string> chosen = dialog.ChooseFileToOpen(kSoundFileFilter);
  return chosen ? *chosen : current;
}

std::string CheckWarningSettings(const WarningSettings& s) {
  if (!s.messageOn && !s.soundOn) return "Please select an option";
  if (s.message.empty() && s.soundPath.empty())
    return "No value has been entered !!! Please enter the data";
  if (s.messageOn && s.message.empty()) return "Please select a message to be displayed";
  if (s.soundOn && s.soundPath.empty()) return "Please select a song to be played";
  return "";
}

bool SaveWarningSettings(const WarningSettings& s, ProfileApi& profile, const std::string& iniPath,
                         Dialogs& dialogs) {
  std::string problem = CheckWarningSettings(s);
  if (!problem.empty()) {
    dialogs.Show(problem, kTitle, MsgButtons::Ok, MsgIcon::Critical);
    return false;
  }
  if (s.messageOn) {
    WriteINI(profile, "Message", "Message_enabled", "1", iniPath);
    WriteINI(profile, "Message", "text", s.message, iniPath);
  }
  if (s.soundOn) {
    WriteINI(profile, "Sound", "Sound_enabled", "1", iniPath);
    WriteINI(profile, "Sound", "Path", s.soundPath, iniPath);
  }
  dialogs.Show("Settings saved !!", kTitle, MsgButtons::Ok, MsgIcon::Information);
  return true;
}

WarningSettings LoadWarningSettings(ProfileApi& profile, const std::string& iniPath) {
  WarningSettings s;
  s.messageOn = LeadingNumber(ReadINI(profile, "Message", "Message_enabled", iniPath)) != 0;
  s.message = ReadINI(profile, "Message", "text", iniPath);
  s.soundOn = LeadingNumber(ReadINI(profile, "Sound", "Sound_enabled", iniPath)) != 0;
  s.soundPath = ReadINI(profile, "Sound", "Path", iniPath);
  return s;
}

}  // namespace dusk
