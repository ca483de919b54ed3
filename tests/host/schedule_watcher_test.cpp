// The watcher's clock values and scan, and the confirmation's messages and requests.
#include <gtest/gtest.h>

#include "platform/host/recording_power.h"
#include "schedule/confirmation.h"
#include "schedule/schedule_editor_clock.h"

namespace dusk {
namespace {

TEST(ScheduleClock, RendersTheStoredForms) {
  ClockValues v = ClockValuesAt({2026, 12, 8, 22, 30, 5, 2}, "Tuesday");
  EXPECT_EQ(v.label, "10:30:05 PM");
  EXPECT_EQ(v.match, "10:30:PM");
  EXPECT_EQ(v.date, "8-12-2026");
  EXPECT_EQ(v.weekday, "Tuesday");
  EXPECT_EQ(ClockValuesAt({2027, 1, 31, 0, 5, 0, 0}, "Sunday").match, "12:05:AM");
  EXPECT_EQ(ClockValuesAt({2027, 1, 31, 12, 0, 0, 0}, "Sunday").match, "12:00:PM");
}

struct ScanFixture : ::testing::Test {
  ScheduleScan scan;
  std::vector<std::string> words;
  void Tick(const ClockValues& now) {
    scan.Tick(now, [this](const std::string& w) { words.push_back(w); });
  }
};

TEST_F(ScanFixture, DailyRowFiresOnceAndSlowsTheNextTick) {
  scan.Reset({{"Log Off", "DAILY", "10:31:PM", "Daily", "Log Off"},
              {"Shutdown", "DAILY", "10:30:PM", "Daily", "Shutdown"}});
  ClockValues now = ClockValuesAt({2026, 12, 8, 22, 30, 0, 2}, "Tuesday");
  Tick(now);
  EXPECT_TRUE(words.empty());
  Tick(now);
  EXPECT_EQ(words, std::vector<std::string>{"Shutdown"});
  EXPECT_FALSE(scan.enabled());
  EXPECT_EQ(scan.interval(), kScanSlowInterval);
  Tick(now);  // paused: nothing until re-armed
  EXPECT_EQ(words.size(), 1u);
  scan.Rearm();
  Tick(now);  // wrapped to the first row, which restores the short interval
  EXPECT_EQ(scan.interval(), kScanInterval);
  EXPECT_EQ(words.size(), 1u);
}

TEST_F(ScanFixture, WeekdayAndDateRowsMatchExactly) {
  ClockValues now = ClockValuesAt({2026, 12, 8, 7, 5, 0, 2}, "Tuesday");
  scan.Reset({{"Lock Computer", "Tuesday", "07:05:AM", "Day Basis", "Lock Computer"},
              {"Restart", "08-12-2026", "07:05:AM", "One Time", "Restart"},
              {"Restart", "8-12-2026", "07:05:am", "One Time", "Restart"},
              {"Reboot", "8-12-2026", "07:05:AM", "One Time", "Reboot"},
              {"Suspend", "8-12-2026", "07:05:AM", "One Time", "Suspend"}});
  for (int i = 0; i < 5; ++i) {
    Tick(now);
    scan.Rearm();
  }
  // The unknown action pauses the scan too, but hands nothing over.
  EXPECT_EQ(words, (std::vector<std::string>{"Lock", "Suspend"}));
  EXPECT_EQ(scan.interval(), kScanInterval);
}

TEST_F(ScanFixture, EmptyRowsAreNeverWalked) {
  scan.Reset({});
  Tick(ClockValuesAt({2026, 12, 8, 7, 5, 0, 2}, "Tuesday"));
  EXPECT_TRUE(words.empty());
  EXPECT_TRUE(scan.enabled());
}

TEST(Confirmation, MessagesAndForcedRequests) {
  EXPECT_EQ(ConfirmationMessage("Shutdown"),
            "Schedule Detected. Your computer will Shutdown in 15 seconds");
  EXPECT_EQ(ConfirmationMessage("Log Off"),
            "Schedule Detected.Your computer will be Logged off in 15 seconds");
  EXPECT_EQ(ConfirmationFinalMessage("Restart"),
            "Schedule Detected your computer will Restart in 15 seconds");
  EXPECT_EQ(ConfirmationMessage("Reboot"), "");
  EXPECT_EQ(ActionWord("Lock Computer"), "Lock");
  EXPECT_EQ(ActionWord("Log Off"), "Log Off");
  EXPECT_EQ(ActionWord("lock computer"), "");

  RecordingPower power;
  std::vector<std::string> lines;
  power.sink = [&lines](const std::string& line) { lines.push_back(line); };
  RequestScheduledAction(power, "Shutdown");
  RequestScheduledAction(power, "Suspend");
  EXPECT_FALSE(RequestScheduledAction(power, "Reboot"));
  std::string all;
  for (const auto& l : lines) all += l + "\n";
  EXPECT_NE(all.find("ExitWindowsEx 12"), std::string::npos) << all;
  EXPECT_NE(all.find("SetSuspendState 0 1 0"), std::string::npos) << all;
}

}  // namespace
}  // namespace dusk
