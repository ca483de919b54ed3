// The countdown as the main window sees it: the timer page, the warning settings,
// the warning and remaining-time windows, and the countdown that ties them to the
// main window's status line and tray icon.
#include <memory>

#include "app/win/shell_services.h"
#include "app/win/startup_seams.h"
#include "platform/win32/win32_file_dialog.h"
#include "platform/win32/win32_sound.h"
#include "power/power_actions.h"
#include "timer/win/remaining_window.h"
#include "timer/win/timer_page.h"
#include "timer/win/timer_part.h"
#include "timer/win/warning_window.h"
#include "timer/win/warnings_page.h"

namespace dusk {
namespace {

class TimerPart : public StartupPart, private CountdownView {
 public:
  TimerPart(ShellServices& shell, HWND picture1, HWND picture3,
            std::unique_ptr<SoundPlayer> sound, std::unique_ptr<FileDialog> files)
      : shell_(shell),
        positions_{shell.UserRegistry(), shell.Messages()},
        sound_(std::move(sound)),
        files_(std::move(files)),
        warningWindow_(positions_, [this] { warnings_.Close(warningsPage_.settings()); }),
        remaining_(positions_),
        warnings_(warningWindow_, *sound_),
        page_(picture1, CountdownActionItems(GetOsName(shell.Power())),
              {[this] { countdown_.Click(page_.Values()); }, [this] { countdown_.Tick(); }}),
        warningsPage_(picture3,
                      {shell.Profile(), shell.SettingsFile(), shell.Messages(), *files_},
                      LoadWarningSettings(shell.Profile(), shell.SettingsFile())),
        countdown_(shell.WallClock(), shell.Messages(), shell.Power(), shell.Cleanup(), *this,
                   warnings_,
                   [&shell] {
                     return IsHibernationAvailable(shell.Power(), shell.HibernationFilePath());
                   },
                   [this] { return warningsPage_.settings(); }) {}

 private:
  // CountdownView
  void SetStatus(const std::string& text) override {
    if (text != status_) {  // most ticks leave the whole seconds unchanged
      status_ = text;
      shell_.SetStatusText(text);
    }
    remaining_.SetLabel(text);
  }
  void SetButtonCaption(const std::string& text) override { page_.SetButtonCaption(text); }
  void SetTrayIcon(bool shown) override { shell_.SetTrayIconShown(shown); }
  void SetTrayTip(const std::string& tip) override { shell_.SetTrayTip(tip); }
  void EnableTimerPage(bool enable) override { page_.EnableControls(enable); }
  void ShowRemainingWindow(bool show) override {
    if (show)
      remaining_.Show();
    else
      remaining_.Hide();
  }
  void HideMainWindow() override { shell_.HideMainWindow(); }
  // The password page enables its own button; nothing to do from here.
  void EnableChangePassword() override {}
  void SetTickRunning(bool running) override { page_.SetTickRunning(running); }

  ShellServices& shell_;
  PositionServices positions_;
  std::unique_ptr<SoundPlayer> sound_;
  std::unique_ptr<FileDialog> files_;
  WarningWindowWin warningWindow_;
  RemainingWindowWin remaining_;
  Warnings warnings_;
  TimerPage page_;
  WarningsPage warningsPage_;
  Countdown countdown_;
  std::string status_ = "Timer Disabled";
};

}  // namespace

std::unique_ptr<StartupPart> CreateTimerPart(ShellServices& shell, HWND picture1, HWND picture3,
                                             std::unique_ptr<SoundPlayer> sound,
                                             std::unique_ptr<FileDialog> files) {
  return std::make_unique<TimerPart>(shell, picture1, picture3, std::move(sound),
                                     std::move(files));
}

std::unique_ptr<StartupPart> CreateTimerPart(ShellServices& shell, HWND picture1, HWND picture3) {
  return CreateTimerPart(shell, picture1, picture3, std::make_unique<Win32Sound>(),
                         std::make_unique<Win32FileDialog>(shell.MainWindow()));
}

}  // namespace dusk
