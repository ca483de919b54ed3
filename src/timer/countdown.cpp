#include "timer/countdown.h"

#include <algorithm>
#include <cstdio>

#include "platform/calendar.h"
#include "power/power_actions.h"
#include "timer/timer_fields.h"

namespace dusk {

namespace {

constexpr const char* kTitle = "Dusklatch";

LocalDateTime AddSeconds(const LocalDateTime& t, std::int64_t seconds) {
  return FromSerialSeconds(ToSerialSeconds(t) + seconds);
}

}  // namespace

LocalDateTime IntervalTarget(const LocalDateTime& now, const std::string& period,
                             const std::string& minutes, LocalDateTime* afterHours) {
  LocalDateTime t = now;
  if (period != "0") t = AddSeconds(t, std::int64_t{LeadingNumber(period)} * 3600);
  if (afterHours) *afterHours = t;
  if (minutes != "00") t = AddSeconds(t, std::int64_t{LeadingNumber(minutes)} * 60);
  return t;
}

LocalDateTime ClockTarget(const LocalDateTime& now, const std::string& hour,
                          const std::string& minute, bool pm) {
  int h = LeadingNumber(hour) % 12;  // 12 AM is midnight, 12 PM noon
  if (pm) h += 12;
  LocalDateTime t = now;
  t.hour = h;
  t.minute = LeadingNumber(minute);
  t.second = 0;
  t = FromSerialSeconds(ToSerialSeconds(t));  // recomputes the weekday
  if (ToSerialSeconds(t) < ToSerialSeconds(now)) t = AddSeconds(t, 86400);
  return t;
}

std::string FormatGeneralDateTime(const LocalDateTime& t) {
  int h12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d/%d/%d %d:%02d:%02d %s", t.month, t.day, t.year, h12, t.minute,
                t.second, t.hour < 12 ? "AM" : "PM");
  return buf;
}

std::string ArmedTrayTip(const std::string& action, const LocalDateTime& target) {
  std::string tip = action + " On " + FormatGeneralDateTime(target);
  if (tip.size() > 64) tip.resize(64);
  return tip;
}

void Countdown::Click(const TimerPageValues& page) {
  // The message boxes below run a message loop: the button (or the tray's way back
  // to it) could click again before they are answered, and two toggles would cancel.
  if (asking_) return;
  struct Asking {
    bool& flag;
    explicit Asking(bool& f) : flag(f) { flag = true; }
    ~Asking() { flag = false; }
  } asking(asking_);

  if (page.actionText == "Hibernate" && !hibernationAvailable_()) {
    dialogs_.Show(kHibernationDisabledMessage, kTitle, MsgButtons::Ok, MsgIcon::Critical);
    return;
  }
  if (page.intervalMode && LeadingNumber(page.period) == 0 &&
      LeadingNumber(page.intervalMinutes) == 0) {
    dialogs_.Show("Please enter the interval", kTitle, MsgButtons::Ok, MsgIcon::Critical);
    return;
  }
  const bool wasArmed = armed_;
  dialogs_.Show("The time is set.", kTitle, MsgButtons::Ok, MsgIcon::Information);
  // The tick keeps running while the message is open and may have fired meanwhile.
  if (armed_ != wasArmed) return;
  warnings_.ResetDismissed();
  if (armed_)
    Disarm();
  else
    Arm(page);
  // Hidden only now, so that the message about the hours is owned by the window the
  // user is looking at, which stays disabled until it is answered.
  view_.HideMainWindow();
  armed_ = !armed_;
  view_.SetTickRunning(armed_);
}

void Countdown::Disarm() {
  view_.SetStatus("Timer Disabled");
  view_.SetButtonCaption("&Enable Timer");
  view_.SetTrayIcon(true);  // also brings back an icon caught in its empty blink phase
  view_.SetTrayTip("No Action Set");
  view_.EnableTimerPage(true);
  view_.ShowRemainingWindow(false);
}

void Countdown::Arm(const TimerPageValues& page) {
  view_.EnableTimerPage(false);
  view_.SetButtonCaption("&Disable Timer");
  action_ = page.actionText;
  force_ = page.force;
  blink_ = page.blink;
  blinkSeconds_ = LeadingNumber(page.blinkSeconds);
  LocalDateTime now = clock_.Now();
  if (page.intervalMode) {
    LocalDateTime afterHours;
    target_ = IntervalTarget(now, page.period, page.intervalMinutes, &afterHours);
    if (page.period != "0" && !page.period.empty())  // an empty field counts as 0
      dialogs_.Show(FormatGeneralDateTime(afterHours), kTitle, MsgButtons::Ok, MsgIcon::None);
  } else {
    target_ = ClockTarget(now, page.clockHour, page.clockMinute, page.pm);
  }
  view_.SetTrayTip(ArmedTrayTip(action_, target_));
  if (page.showRemaining) view_.ShowRemainingWindow(true);
}

void Countdown::Tick() {
  if (!armed_) return;
  view_.EnableChangePassword();
  std::int64_t remaining = ToSerialSeconds(target_) - ToSerialSeconds(clock_.Now());
  // Past the target only while a cleaning run holds the action back: nothing is left.
  view_.SetStatus(std::to_string(std::max<std::int64_t>(remaining, 0)) + " Seconds Remaining");
  if (blink_ && remaining <= blinkSeconds_) {
    warnings_.Step(warningSettings_());
    view_.SetTrayIcon(blinkPhase_);
    blinkPhase_ = !blinkPhase_;
  }
  if (remaining > 0) return;
  // A cleaning run that let this tick through is still on the stack: the tasks and the
  // action follow it, on a later tick.
  if (cleaner_.Busy()) return;
  Fire();
}

void Countdown::Fire() {
  armed_ = false;
  view_.SetTickRunning(false);
  warnings_.End();
  cleaner_.RunCleanupTasks();
  if (action_ == "Shutdown") {
    ExitWindowsAction(power_, kEwxPowerOff, force_);
  } else if (action_ == "Restart") {
    ExitWindowsAction(power_, kEwxReboot, force_);
  } else if (action_ == "Log Off") {
    view_.ShowRemainingWindow(false);
    ExitWindowsAction(power_, kEwxLogOff, force_);
  } else if (action_ == "Suspend" || action_ == "Hibernate") {
    view_.SetTrayIcon(true);
    view_.ShowRemainingWindow(false);
    SuspendMachine(power_, action_ == "Hibernate" ? 1 : 0, force_, false);
  } else if (action_ == "Lock Computer") {
    view_.ShowRemainingWindow(false);
    LockComputer(power_);
  }
  // The program stays in the tray: after a lock or a suspend the user comes back to
  // it, and a refused request leaves it there. Windows itself ends it with the session.
  Disarm();
}

}  // namespace dusk
