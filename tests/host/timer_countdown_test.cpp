// Countdown targets, field rules, arming, the tick and the warnings on a fake clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/calendar.h"
#include "platform/host/fake_clock.h"
#include "platform/host/ini_file_profile.h"
#include "platform/host/recording_dialogs.h"
#include "platform/host/recording_power.h"
#include "platform/host/scripted_file_dialog.h"
#include "timer/action_items.h"
#include "timer/remaining_region.h"
#include "power/power_actions.h"
#include "timer/countdown.h"
#include "timer/timer_fields.h"

namespace dusk {
namespace {

using Lines = std::vector<std::string>;

LocalDateTime At(int h, int m, int s = 0) { return FromSerialSeconds(ToSerialSeconds({2026, 12, 9, h, m, s, 0})); }

struct Log : CountdownView, WarningWindow, SoundPlayer, CleanupRunner {
  Lines lines;
  void SetStatus(const std::string& t) override { lines.push_back("status " + t); }
  void SetButtonCaption(const std::string& t) override { lines.push_back("caption " + t); }
  void SetTrayIcon(bool shown) override { lines.push_back(shown ? "icon" : "no icon"); }
  void SetTrayTip(const std::string& t) override { lines.push_back("tip " + t); }
  void EnableTimerPage(bool e) override { lines.push_back(e ? "page on" : "page off"); }
  void ShowRemainingWindow(bool s) override { lines.push_back(s ? "left shown" : "left hidden"); }
  void HideMainWindow() override { lines.push_back("hide main"); }
  void EnableChangePassword() override {}
  void SetTickRunning(bool r) override { lines.push_back(r ? "tick on" : "tick off"); }
  void Load() override {}
  void ShowMarkers(bool, bool) override {}
  void SetMessage(const std::string& t) override { lines.push_back("message " + t); }
  void Show() override { lines.push_back("warning shown"); }
  void Hide() override { lines.push_back("warning hidden"); }
  void Play(const std::string& p) override { lines.push_back("play " + p); }
  void Stop() override { lines.push_back("stop"); }
  void RunCleanupTasks() override { lines.push_back("cleanup"); }
  bool busy = false;  // a cleaning run further up the stack
  bool Busy() const override { return busy; }
  bool Has(const std::string& l) const { return std::find(lines.begin(), lines.end(), l) != lines.end(); }
};

// Message boxes that run something while they are open, as the message loop of a real
// one lets ticks and clicks through.
struct DialogsRunning : Dialogs {
  std::function<void()> during;
  Lines texts;
  MsgResult Show(const std::string& text, const std::string&, MsgButtons, MsgIcon) override {
    texts.push_back(text);
    if (during) during();
    return MsgResult::Ok;
  }
};

struct Rig {
  FakeClock clock{At(11, 50)};
  RecordingDialogs dialogs;
  RecordingPower power;
  Log log;
  Warnings warnings{log, log};
  WarningSettings settings;
  bool hiber = true;
  Countdown countdown{clock, dialogs, power, log, log, warnings, [this] { return hiber; },
                      [this] { return settings; }};
  // The same countdown with message boxes that let things happen while they are open.
  DialogsRunning running;
  Countdown asking{clock, running, power, log, log, warnings, [this] { return hiber; },
                   [this] { return settings; }};
  Rig() { power.sink = [this](const std::string& l) { log.lines.push_back("request " + l); }; }
};

TEST(TimerTargets, IntervalAndClock) {
  LocalDateTime now = At(11, 50, 17), afterHours;
  EXPECT_EQ(ToSerialSeconds(IntervalTarget(now, "0", "05", &afterHours)), ToSerialSeconds(now) + 300);
  EXPECT_EQ(ToSerialSeconds(IntervalTarget(now, "1", "30", &afterHours)), ToSerialSeconds(now) + 5400);
  EXPECT_EQ(ToSerialSeconds(afterHours), ToSerialSeconds(now) + 3600);
  EXPECT_EQ(ToSerialSeconds(ClockTarget(At(11, 50), "11", "45", false)), ToSerialSeconds(At(11, 45)) + 86400);
  EXPECT_EQ(ToSerialSeconds(ClockTarget(At(11, 50), "11", "55", false)), ToSerialSeconds(At(11, 55)));
  EXPECT_EQ(ToSerialSeconds(ClockTarget(At(11, 50), "12", "", false)), ToSerialSeconds(At(0, 0)) + 86400);
  EXPECT_EQ(ToSerialSeconds(ClockTarget(At(11, 50), "12", "00", true)), ToSerialSeconds(At(12, 0)));
  EXPECT_EQ(ToSerialSeconds(ClockTarget(At(11, 50), "11", "50", false)), ToSerialSeconds(At(11, 50)));
  EXPECT_EQ(ArmedTrayTip("Shutdown", At(23, 5)), "Shutdown On 12/9/2026 11:05:00 PM");
  EXPECT_EQ(ArmedTrayTip(std::string(70, 'x'), At(1, 0)).size(), 64u);
}

TEST(TimerFields, ClampAndSpinners) {
  EXPECT_EQ(EditField("75", 5, kIntervalMinuteField).text, "59");
  EXPECT_EQ(EditField("", 5, kClockHourField).text, "1");
  EXPECT_EQ(EditField("", 5, kIntervalMinuteField).text, "00");
  EXPECT_EQ(EditField("", 0, kIntervalMinuteField).text, "");
  EXPECT_EQ(EditField("1234", 0, kPeriodField).text, "999");
  EXPECT_EQ(EditField("0", 30, kBlinkField).text, "1");
  EXPECT_FALSE(AcceptsTypedChar('\b'));
  EXPECT_FALSE(AcceptsTypedChar('a'));
  EXPECT_EQ(SpinnerStep(0, -1, kPeriodField), 0);
  EXPECT_EQ(SpinnerText(7, kClockMinuteField), "07");
}

TEST(Countdown, RejectedClicksChangeNothing) {
  Rig r;
  TimerPageValues page;
  r.countdown.Click(page);  // zero interval
  ASSERT_EQ(r.dialogs.shown().size(), 1u);
  EXPECT_EQ(r.dialogs.shown()[0].text, "Please enter the interval");
  EXPECT_EQ(r.dialogs.shown()[0].icon, MsgIcon::Critical);
  page.intervalMinutes = "01";
  r.countdown.Click(page);
  EXPECT_TRUE(r.countdown.armed());
  r.hiber = false;
  page.actionText = "Hibernate";
  r.countdown.Click(page);  // the check runs before disarming too
  EXPECT_TRUE(r.countdown.armed());
  EXPECT_EQ(r.dialogs.shown().back().text, kHibernationDisabledMessage);
}

TEST(Countdown, ArmsBlinksWarnsAndFiresInOrder) {
  Rig r;
  r.settings = {true, "Save your work", false, ""};
  TimerPageValues page;
  page.period = "1";
  page.actionText = "Lock Computer";
  r.countdown.Click(page);
  EXPECT_EQ(r.dialogs.shown()[0].text, "The time is set.");
  EXPECT_EQ(r.dialogs.shown()[1].text, "12/9/2026 12:50:00 PM");  // hours alone
  EXPECT_EQ(r.dialogs.shown()[1].icon, MsgIcon::None);
  EXPECT_TRUE(r.log.Has("tip Lock Computer On 12/9/2026 12:50:00 PM"));
  EXPECT_TRUE(r.log.Has("left shown"));
  r.clock.Set(At(12, 49, 1));
  r.log.lines.clear();
  r.countdown.Tick();
  EXPECT_EQ(r.log.lines, (Lines{"status 59 Seconds Remaining"}));
  r.clock.Set(At(12, 49, 30));
  r.log.lines.clear();
  r.countdown.Tick();
  EXPECT_EQ(r.log.lines, (Lines{"status 30 Seconds Remaining", "message Save your work", "warning shown",
                                "no icon"}));
  r.warnings.Close(r.settings);  // sound off: shown again at the next tick
  r.log.lines.clear();
  r.countdown.Tick();
  EXPECT_EQ(r.log.lines, (Lines{"status 30 Seconds Remaining", "message Save your work", "warning shown",
                                "icon"}));
  r.clock.Set(At(12, 50));
  r.log.lines.clear();
  r.countdown.Tick();
  EXPECT_EQ(r.log.lines,
            (Lines{"status 0 Seconds Remaining", "message Save your work", "warning shown", "no icon", "tick off",
                   "warning hidden", "cleanup", "left hidden", "request LockWorkStation", "status Timer Disabled",
                   "caption &Enable Timer", "icon", "tip No Action Set", "page on", "left hidden"}));
  EXPECT_FALSE(r.countdown.armed());
  r.log.lines.clear();
  r.countdown.Tick();  // nothing after the end
  EXPECT_TRUE(r.log.lines.empty());
  // Back in the tray, the countdown can be armed again.
  r.countdown.Click(page);
  EXPECT_TRUE(r.countdown.armed());
  EXPECT_TRUE(r.log.Has("caption &Disable Timer"));
}

// The moment comes while a cleaning run lets the tick through: the tasks and the
// request wait for the next tick after the run.
TEST(Countdown, WaitsForACleaningRunUnderWay) {
  Rig r;
  TimerPageValues page;
  page.intervalMinutes = "01";
  r.countdown.Click(page);
  r.clock.Set(At(11, 51));
  r.log.busy = true;
  r.countdown.Tick();
  r.clock.Set(At(11, 51, 2));
  r.countdown.Tick();
  EXPECT_TRUE(r.countdown.armed());
  EXPECT_TRUE(r.log.Has("status 0 Seconds Remaining")) << "a countdown held back shows no time below 0";
  EXPECT_FALSE(r.log.Has("status -2 Seconds Remaining"));
  EXPECT_FALSE(r.log.Has("cleanup"));
  EXPECT_TRUE(r.power.requests().empty());
  r.log.busy = false;
  r.countdown.Tick();
  EXPECT_FALSE(r.countdown.armed());
  EXPECT_TRUE(r.log.Has("cleanup"));
  EXPECT_FALSE(r.power.requests().empty());
}

// A refused request (an application that would not close, a missing privilege)
// leaves the program in the tray as well, the sound of the warning stopped.
TEST(Countdown, ARefusedRequestLeavesTheTimerDisabledAndTheWarningQuiet) {
  Rig r;
  r.power.accept = false;
  r.settings = {false, "", true, "C:\\bell.wav"};
  TimerPageValues page;
  page.intervalMinutes = "01";
  page.actionText = "Restart";
  r.countdown.Click(page);
  r.clock.Set(At(11, 50, 40));
  r.countdown.Tick();
  ASSERT_TRUE(r.log.Has("play C:\\bell.wav"));
  r.log.lines.clear();
  r.clock.Set(At(11, 51));
  r.countdown.Tick();
  EXPECT_TRUE(r.log.Has("request ExitWindowsEx 6"));
  EXPECT_TRUE(r.log.Has("stop"));
  EXPECT_EQ(r.log.lines.back(), "left hidden");
  EXPECT_TRUE(r.log.Has("status Timer Disabled"));
  EXPECT_FALSE(r.countdown.armed());
}

// Ticks go on while a message box is open: a countdown that fires while the
// disarming click's message is shown stays disarmed and is not armed again.
TEST(Countdown, FiringDuringTheClickMessageEndsTheClick) {
  Rig r;
  DialogsRunning& dialogs = r.running;
  Countdown& countdown = r.asking;
  TimerPageValues page;
  page.intervalMinutes = "01";
  countdown.Click(page);
  r.clock.Set(At(11, 51));
  dialogs.during = [&] { countdown.Tick(); };
  countdown.Click(page);
  EXPECT_FALSE(countdown.armed());
  EXPECT_EQ(r.log.lines.back(), "left hidden");
  EXPECT_TRUE(r.log.Has("request ExitWindowsEx 12"));
}

// The message boxes of a click let the user reach the button again (the tray
// shows the main window); a second click then must not toggle the first one back.
TEST(Countdown, AClickWhileAnotherIsAskingIsRefused) {
  Rig r;
  DialogsRunning& dialogs = r.running;
  Countdown& countdown = r.asking;
  TimerPageValues page;
  page.period = "2";  // the hours alone are shown too
  dialogs.during = [&] {
    EXPECT_TRUE(countdown.asking());
    countdown.Click(page);
  };
  countdown.Click(page);
  EXPECT_TRUE(countdown.armed());
  EXPECT_FALSE(countdown.asking());
  EXPECT_EQ(dialogs.texts, (Lines{"The time is set.", "12/9/2026 1:50:00 PM"}));
  EXPECT_EQ(std::count(r.log.lines.begin(), r.log.lines.end(), "tick on"), 1);
  // The main window goes only once the hours have been shown over it.
  EXPECT_EQ(r.log.lines.back(), "tick on");
  EXPECT_EQ(r.log.lines[r.log.lines.size() - 2], "hide main");
}

TEST(Countdown, DisarmingInTheEmptyBlinkPhaseRestoresTheIcon) {
  Rig r;
  TimerPageValues page;
  page.intervalMinutes = "01";
  r.countdown.Click(page);
  r.countdown.Tick();  // 60 s left, blink 30: nothing yet
  r.clock.Set(At(11, 50, 45));
  r.countdown.Tick();
  EXPECT_EQ(r.log.lines.back(), "no icon");
  r.log.lines.clear();
  r.countdown.Click(page);
  EXPECT_FALSE(r.countdown.armed());
  EXPECT_EQ(r.log.lines, (Lines{"status Timer Disabled", "caption &Enable Timer", "icon", "tip No Action Set",
                                "page on", "left hidden", "hide main", "tick off"}));
}

TEST(Warnings, SoundStartsOnceAndCloseKeepsItClosedUntilArming) {
  Log log;
  Warnings w(log, log);
  WarningSettings s{false, "Bye", true, "C:\\a.mp3"};
  w.Step(s);
  w.Step(s);
  EXPECT_EQ(log.lines, (Lines{"message Bye", "play C:\\a.mp3", "warning shown", "warning shown"}));
  w.Close(s);
  log.lines.clear();
  w.Step(s);
  EXPECT_TRUE(log.lines.empty());
  w.ResetDismissed();
  w.Step(s);
  EXPECT_TRUE(log.Has("play C:\\a.mp3"));
  log.lines.clear();
  w.Step(WarningSettings{});
  EXPECT_TRUE(log.lines.empty());
}

TEST(Warnings, SaveChecksInOrder) {
  EXPECT_EQ(CheckWarningSettings({}), "Please select an option");
  EXPECT_EQ(CheckWarningSettings({true, "", true, ""}), "No value has been entered !!! Please enter the data");
  EXPECT_EQ(CheckWarningSettings({true, "", false, "x"}), "Please select a message to be displayed");
  EXPECT_EQ(CheckWarningSettings({true, "hi", true, ""}), "Please select a song to be played");
  EXPECT_EQ(CheckWarningSettings({false, "hi", true, "x.wav"}), "");
}

TEST(TimerPageRules, ActionListOutlineAndBrowse) {
  auto texts = [](const std::string& os) {
    Lines out;
    for (const ActionItem& item : CountdownActionItems(os)) out.push_back(item.text);
    return out;
  };
  Lines five{"Shutdown", "Restart", "Log Off", "Suspend", "Hibernate"};
  EXPECT_EQ(texts("Windows Vista"), five);
  five.push_back("Lock Computer");
  EXPECT_EQ(texts("Windows XP"), five);
  EXPECT_EQ(texts("Windows 2000"), five);

  RoundRectSpec at96 = RemainingWindowOutline(15, 15);
  EXPECT_EQ((std::vector<long>{at96.left, at96.top, at96.right, at96.bottom, at96.ellipseWidth,
                               at96.ellipseHeight}),
            (std::vector<long>{55, 11, 303, 57, 20, 18}));
  RoundRectSpec at120 = RemainingWindowOutline(12, 12);  // 120 dots per inch
  EXPECT_EQ(at120.right, 378);
  EXPECT_EQ(at120.ellipseHeight, 22);

  ScriptedFileDialog dialog;
  EXPECT_EQ(BrowseSoundFile(dialog, "C:\\old.wav"), "C:\\old.wav");  // cancel keeps the field
  dialog.answers.push_back(std::string("D:\\new.mp3"));
  EXPECT_EQ(BrowseSoundFile(dialog, "C:\\old.wav"), "D:\\new.mp3");
  EXPECT_EQ(dialog.filters[0], "MP3 (*.mp3)|*.MP3|WAV (*.wav)|*.WAV");
}

}  // namespace
}  // namespace dusk
