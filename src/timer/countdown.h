// The countdown: arming and disarming from the timer page, the 100 ms tick that
// counts the seconds left, drives the warnings and finally carries out the
// chosen power action.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "cleaner/cleanup_runner.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/power.h"
#include "timer/warnings.h"

namespace dusk {

// What the timer page holds at the moment of a click.
struct TimerPageValues {
  std::string actionText = "Shutdown";
  bool intervalMode = true;  // "In"; false for "At"
  std::string period = "0";
  std::string intervalMinutes = "00";
  std::string clockHour = "1";
  std::string clockMinute = "00";
  bool pm = false;
  bool force = true;
  bool blink = true;
  std::string blinkSeconds = "30";
  bool showRemaining = true;
};

// The main window's side of the countdown.
class CountdownView {
 public:
  virtual ~CountdownView() = default;
  // The status line and the remaining-time window's label.
  virtual void SetStatus(const std::string& text) = 0;
  virtual void SetButtonCaption(const std::string& text) = 0;
  // The main window's icon in the tray (true) or no icon (false); sends the modify request.
  virtual void SetTrayIcon(bool shown) = 0;
  // Sends the modify request.
  virtual void SetTrayTip(const std::string& tip) = 0;
  virtual void EnableTimerPage(bool enable) = 0;
  virtual void ShowRemainingWindow(bool show) = 0;
  virtual void HideMainWindow() = 0;
  virtual void EnableChangePassword() = 0;
  virtual void SetTickRunning(bool running) = 0;
};

// Interval mode: now plus the hours (unless "0") plus the minutes (unless "00").
// `afterHours` receives the moment with the hours alone added.
LocalDateTime IntervalTarget(const LocalDateTime& now, const std::string& period,
                             const std::string& minutes, LocalDateTime* afterHours);
// Clock mode: today at the 12-hour time, seconds 0; earlier than now rolls to tomorrow.
LocalDateTime ClockTarget(const LocalDateTime& now, const std::string& hour,
                          const std::string& minute, bool pm);
// "12/9/2026 11:05:00 PM", the general date-time format of an English system.
std::string FormatGeneralDateTime(const LocalDateTime& t);
// The action text + " On " + the target, cut to the tray's 64 characters.
std::string ArmedTrayTip(const std::string& action, const LocalDateTime& target);

class Countdown {
 public:
  Countdown(Clock& clock, Dialogs& dialogs, PowerApi& power, CleanupRunner& cleaner,
            CountdownView& view, Warnings& warnings, std::function<bool()> hibernationAvailable,
            std::function<WarningSettings()> warningSettings)
      : clock_(clock), dialogs_(dialogs), power_(power), cleaner_(cleaner), view_(view),
        warnings_(warnings), hibernationAvailable_(std::move(hibernationAvailable)),
        warningSettings_(std::move(warningSettings)) {}

  // The "&Enable Timer" / "&Disable Timer" button. A click that comes while an
  // earlier one is still asking the user something is refused.
  void Click(const TimerPageValues& page);
  // Every 100 ms while armed.
  void Tick();

  bool armed() const { return armed_; }
  bool asking() const { return asking_; }
  const LocalDateTime& target() const { return target_; }

 private:
  void Disarm();
  void Arm(const TimerPageValues& page);
  void Fire();

  Clock& clock_;
  Dialogs& dialogs_;
  PowerApi& power_;
  CleanupRunner& cleaner_;
  CountdownView& view_;
  Warnings& warnings_;
  std::function<bool()> hibernationAvailable_;
  std::function<WarningSettings()> warningSettings_;

  bool armed_ = false;
  bool asking_ = false;  // a click's message box is open
  std::string action_;
  bool force_ = false;
  bool blink_ = false;
  int blinkSeconds_ = 0;
  LocalDateTime target_;
  bool blinkPhase_ = false;  // kept across countdowns
};

}  // namespace dusk
