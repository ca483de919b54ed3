// The watcher's clock values and its minute-by-minute taking of due rows, and the
// confirmation's messages and requests.
#include <gtest/gtest.h>

#include <map>

#include "platform/calendar.h"
#include "platform/host/recording_power.h"
#include "schedule/confirmation.h"
#include "schedule/schedule_watcher.h"

namespace dusk {
namespace {

using Words = std::vector<std::string>;

// 8 December 2026 was a Tuesday.
LocalDateTime At(int day, int hour, int minute, int second = 0) {
  return FromSerialSeconds(ToSerialSeconds({2026, 12, day, hour, minute, second, 0}));
}

ScheduleRow Row(const char* action, const char* date, const char* time) {
  return {action, date, time, "", action};
}

TEST(ScheduleClock, RendersTheStoredFormsWithEnglishWeekdaysFromTheWeekdayNumber) {
  ClockValues v = ClockValuesAt(At(8, 22, 30, 5));
  EXPECT_EQ(v.label, "10:30:05 PM");
  EXPECT_EQ(v.match, "10:30:PM");
  EXPECT_EQ(v.date, "8-12-2026");
  EXPECT_EQ(v.weekday, "Tuesday");
  EXPECT_EQ(ClockValuesAt({2027, 1, 31, 0, 5, 0, 0}).match, "12:05:AM");
  EXPECT_EQ(ClockValuesAt({2027, 1, 31, 12, 0, 0, 0}).match, "12:00:PM");
  // Whatever language the system speaks, the name comes from the number.
  const char* week[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                        "Saturday"};
  for (int day = 0; day < 7; ++day) {
    LocalDateTime t = At(6 + day, 9, 0);
    ASSERT_EQ(t.weekday, day);
    EXPECT_EQ(ClockValuesAt(t).weekday, week[day]);
  }
  EXPECT_STREQ(EnglishWeekdayName(7), "");
}

TEST(ScheduleWatcher, EveryRowDueInAMinuteIsTakenInItOnceInStoredOrder) {
  ScheduleWatcher watcher;
  const std::vector<ScheduleRow> rows = {
      Row("Shutdown", "DAILY", "10:30:PM"),
      Row("Log Off", "DAILY", "10:31:PM"),
      Row("Lock Computer", "Tuesday", "10:30:PM"),
      Row("Reboot", "DAILY", "10:30:PM"),        // no such action: never fires
      Row("Restart", "08-12-2026", "10:30:PM"),  // spelled otherwise: never matches
      Row("Restart", "8-12-2026", "10:30:pm"),
      Row("Suspend", "8-12-2026", "10:30:PM"),
      Row("Hibernate", "Wednesday", "10:30:PM")};
  watcher.Watch(rows);
  EXPECT_EQ(watcher.TakeDue(At(8, 22, 29, 59)), Words{});
  EXPECT_EQ(watcher.TakeDue(At(8, 22, 30, 0)), (Words{"Shutdown", "Lock", "Suspend"}));
  // Later in the same minute, and after the rows were read anew (a Save, a deletion
  // that made the editor anew), nothing fires twice.
  EXPECT_EQ(watcher.TakeDue(At(8, 22, 30, 20)), Words{});
  watcher.Watch(rows);
  EXPECT_EQ(watcher.TakeDue(At(8, 22, 30, 40)), Words{});
  // A row added in the minute is due too.
  std::vector<ScheduleRow> more = rows;
  more.push_back(Row("Restart", "DAILY", "10:30:PM"));
  watcher.Watch(more);
  EXPECT_EQ(watcher.TakeDue(At(8, 22, 30, 50)), Words{"Restart"});
  EXPECT_EQ(watcher.TakeDue(At(8, 22, 31, 0)), Words{"Log Off"});
  // The next day only the daily rows and that day's weekday come round again.
  EXPECT_EQ(watcher.TakeDue(At(9, 22, 30, 0)), (Words{"Shutdown", "Hibernate", "Restart"}));
}

TEST(ScheduleWatcher, EqualRowsFireOnceEachAndPausedRowsNotAtAll) {
  ScheduleWatcher watcher;
  const std::vector<ScheduleRow> twice = {Row("Shutdown", "DAILY", "07:05:AM"),
                                          Row("Shutdown", "DAILY", "07:05:AM")};
  watcher.Watch({twice[0]});
  EXPECT_EQ(watcher.TakeDue(At(8, 7, 5)), Words{"Shutdown"});
  watcher.Watch(twice);  // a second equal row appears in the same minute
  EXPECT_EQ(watcher.TakeDue(At(8, 7, 5, 30)), Words{"Shutdown"});
  EXPECT_EQ(watcher.TakeDue(At(8, 7, 5, 40)), Words{});

  watcher.Pause();
  EXPECT_EQ(watcher.TakeDue(At(9, 7, 5)), Words{});
  EXPECT_FALSE(watcher.NextWakeIn(At(9, 7, 5)).has_value());
  watcher.Watch(twice);
  EXPECT_EQ(watcher.TakeDue(At(9, 7, 5, 10)), (Words{"Shutdown", "Shutdown"}));
}

TEST(ScheduleWatcher, WakesAtTheNextDueMinuteOrTheNextFullHourAndNotForNothing) {
  ScheduleWatcher watcher;
  EXPECT_FALSE(watcher.NextWakeIn(At(8, 22, 30)).has_value());
  watcher.Watch({Row("Reboot", "DAILY", "10:35:PM")});
  EXPECT_FALSE(watcher.NextWakeIn(At(8, 22, 30))) << "a row that can never fire wakes nothing";

  watcher.Watch({Row("Shutdown", "DAILY", "10:35:PM"), Row("Restart", "Friday", "10:32:PM")});
  EXPECT_EQ(watcher.NextWakeIn(At(8, 22, 30, 20)), (5 * 60 - 20) * 1000u);
  EXPECT_EQ(watcher.NextWakeIn(At(8, 22, 35, 0)), 25 * 60 * 1000u) << "then the full hour";
  EXPECT_EQ(watcher.NextWakeIn(At(8, 22, 59, 59)), 1000u);
  EXPECT_EQ(watcher.NextWakeIn(At(11, 22, 31, 30)), 30 * 1000u) << "Friday's row";
}

// Driven as the window drives it: look, then sleep until the next wake. Every one of
// a thousand rows fires within its own minute, and a day with one stored schedule
// costs a wake an hour and one for the row.
TEST(ScheduleWatcher, AWholeDayOfLooksTakesEveryRowInItsMinute) {
  std::vector<ScheduleRow> rows;
  std::map<std::string, std::size_t> dueAt;  // rows by their minute
  for (int i = 0; i < 1000; ++i) {
    const LocalDateTime t = FromSerialSeconds(ToSerialSeconds(At(8, 0, 0)) + 60 * (i % 700));
    const std::string time = ClockValuesAt(t).match;
    rows.push_back(Row(i % 2 ? "Restart" : "Log Off", "DAILY", time.c_str()));
    ++dueAt[time];
  }
  ScheduleWatcher watcher;
  watcher.Watch(rows);
  std::map<std::string, std::size_t> takenAt;
  for (std::int64_t now = ToSerialSeconds(At(8, 0, 0)); now < ToSerialSeconds(At(9, 0, 0));) {
    const LocalDateTime t = FromSerialSeconds(now);
    const std::size_t taken = watcher.TakeDue(t).size();
    if (taken) takenAt[ClockValuesAt(t).match] += taken;
    now += *watcher.NextWakeIn(t) / 1000 + 1;  // a timer is never early, often a bit late
  }
  EXPECT_EQ(takenAt, dueAt);

  watcher.Watch({Row("Shutdown", "DAILY", "10:30:PM")});
  int wakes = 0, fired = 0;
  for (std::int64_t now = ToSerialSeconds(At(10, 0, 0)); now < ToSerialSeconds(At(11, 0, 0));
       ++wakes) {
    const LocalDateTime t = FromSerialSeconds(now);
    if (!watcher.TakeDue(t).empty()) {
      ++fired;
      EXPECT_EQ(ClockValuesAt(t).match, "10:30:PM");
    }
    now += *watcher.NextWakeIn(t) / 1000;
  }
  EXPECT_EQ(fired, 1);
  EXPECT_LE(wakes, 26);
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
