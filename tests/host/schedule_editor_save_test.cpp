// The editor's Save: which refusal comes first, what is stored, duplicates by kind.
#include <gtest/gtest.h>

#include "platform/host/recording_dialogs.h"
#include "power/power_actions.h"
#include "schedule/schedule_save.h"

namespace dusk {
namespace {

struct SaveFixture : ::testing::Test {
  RecordingDialogs dialogs;
  MemoryScheduleRows rows;
  bool hibernation = true;
  int refills = 0;
  SaveServices services{dialogs, rows, [this] { return hibernation; }, [this] { ++refills; }};

  SaveOutcome Save(const EditorChoices& c) { return SaveSchedule(c, services); }
  std::string LastText() { return dialogs.shown().empty() ? "" : dialogs.shown().back().text; }
  std::string LastTitle() { return dialogs.shown().empty() ? "" : dialogs.shown().back().title; }
};

EditorChoices Daily(const std::string& action, TimeChoice t) {
  EditorChoices c;
  c.action = action;
  c.kind = ScheduleKind::Daily;
  c.daily = t;
  return c;
}

TEST_F(SaveFixture, RefusalsComeInTheirOrder) {
  EditorChoices c;
  c.action = "Hibernate";
  hibernation = false;
  EXPECT_EQ(Save(c), SaveOutcome::Refused);  // hibernation is checked before the option
  EXPECT_EQ(LastText(), std::string(kHibernationDisabledMessage));
  EXPECT_EQ(LastTitle(), "Dusklatch");

  hibernation = true;
  Save(c);
  EXPECT_EQ(LastText(), "Please select any option");
  EXPECT_EQ(LastTitle(), "No option selected");

  c.kind = ScheduleKind::DayBasis;  // neither weekday nor time: the day is asked for first
  Save(c);
  EXPECT_EQ(LastText(), "Please select a day.");
  c.weekday = "Tuesday";
  c.dayBasis = {"07", "", "AM"};
  Save(c);
  EXPECT_EQ(LastText(), "One or more fields are empty.Please enter the time properly.");

  c.kind = ScheduleKind::OneTime;
  c.oneTime = {"07", "05", "AM"};
  Save(c);  // a calendar never clicked leaves no date
  EXPECT_EQ(LastText(), "Please Select a Date for the schedule");
  EXPECT_EQ(LastTitle(), "No date selected");
  EXPECT_TRUE(rows.All().empty());
  EXPECT_EQ(refills, 0);
  for (const auto& call : dialogs.shown()) EXPECT_EQ(call.icon, MsgIcon::Critical);
}

TEST_F(SaveFixture, StoresTheRowOfEachKindAndAsksForMore) {
  dialogs.QueueAnswer(MsgResult::No);
  EditorChoices one;
  one.action = "Lock Computer";
  one.kind = ScheduleKind::OneTime;
  one.pickedDate = DayMonthYear(8, 12, 2026);
  one.oneTime = {"07", "05", "AM"};
  EXPECT_EQ(Save(one), SaveOutcome::SavedDone);
  EXPECT_EQ(LastText(), "Schedule is set.Do you want to set more schedules ?");
  EXPECT_EQ(LastTitle(), "Schedule set");
  EXPECT_EQ(dialogs.shown().back().buttons, MsgButtons::YesNo);
  EXPECT_EQ(dialogs.shown().back().icon, MsgIcon::Information);

  EditorChoices week = one;  // same action and minute on a weekday is another schedule
  week.kind = ScheduleKind::DayBasis;
  week.weekday = "Tuesday";
  week.dayBasis = one.oneTime;
  dialogs.QueueAnswer(MsgResult::Yes);
  EXPECT_EQ(Save(week), SaveOutcome::SavedMore);

  ASSERT_EQ(rows.All().size(), 2u);
  ScheduleRow r = rows.All()[0];
  EXPECT_EQ(r.action, "Lock Computer");
  EXPECT_EQ(r.date, "8-12-2026");
  EXPECT_EQ(r.time, "07:05:AM");
  EXPECT_EQ(r.type, "One Time");
  EXPECT_EQ(r.icon, "Lock Computer");
  EXPECT_EQ(rows.All()[1].date, "Tuesday");
  EXPECT_EQ(rows.All()[1].type, "Day Basis");
  EXPECT_EQ(refills, 2);

  // Saving the same entry again at once is a duplicate.
  EXPECT_EQ(Save(week), SaveOutcome::Refused);
  EXPECT_EQ(LastText(), "This Schedule already exists.Please enter a different schedule");
  EXPECT_EQ(rows.All().size(), 2u);
}

TEST_F(SaveFixture, DailyDuplicateIsTheSameActionAtTheSameMinute) {
  Save(Daily("Shutdown", {"10", "00", "PM"}));
  EXPECT_EQ(rows.All()[0].date, "DAILY");
  EXPECT_EQ(rows.All()[0].type, "Daily");
  EXPECT_EQ(Save(Daily("Shutdown", {"10", "00", "PM"})), SaveOutcome::Refused);
  EXPECT_EQ(LastText(), "This Daily Schedule already exists.Please enter a different schedule");
  EXPECT_NE(Save(Daily("Restart", {"10", "00", "PM"})), SaveOutcome::Refused);
  EXPECT_NE(Save(Daily("Shutdown", {"10", "00", "AM"})), SaveOutcome::Refused);
  EXPECT_EQ(rows.All().size(), 3u);
}

TEST(ScheduleDates, DayMonthYearHasNoLeadingZeros) {
  EXPECT_EQ(DayMonthYear(31, 1, 2027), "31-1-2027");
  EXPECT_EQ(DayMonthYear(8, 12, 2026), "8-12-2026");
}

}  // namespace
}  // namespace dusk
