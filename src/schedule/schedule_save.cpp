#include "schedule/schedule_save.h"

#include "app/app_identity.h"
#include "power/power_actions.h"

namespace dusk {
namespace {

const TimeChoice* TimeOf(const EditorChoices& c) {
  switch (c.kind) {
    case ScheduleKind::OneTime: return &c.oneTime;
    case ScheduleKind::Daily: return &c.daily;
    case ScheduleKind::DayBasis: return &c.dayBasis;
    case ScheduleKind::None: break;
  }
  return nullptr;
}

void Refuse(Dialogs& dialogs, const std::string& text, const std::string& title = kAppTitle) {
  dialogs.Show(text, title, MsgButtons::Ok, MsgIcon::Critical);
}

}  // namespace

std::string DayMonthYear(int day, int month, int year) {
  return std::to_string(day) + "-" + std::to_string(month) + "-" + std::to_string(year);
}

ScheduleRow RowFor(const EditorChoices& c) {
  ScheduleRow row;
  row.action = c.action;
  row.icon = c.action;
  const TimeChoice* time = TimeOf(c);
  row.time = time ? time->Composed() : std::string();
  switch (c.kind) {
    case ScheduleKind::OneTime:
      row.date = c.pickedDate;
      row.type = "One Time";
      break;
    case ScheduleKind::Daily:
      row.date = "DAILY";
      row.type = "Daily";
      break;
    case ScheduleKind::DayBasis:
      row.date = c.weekday;
      row.type = "Day Basis";
      break;
    case ScheduleKind::None: break;
  }
  return row;
}

SaveOutcome SaveSchedule(const EditorChoices& c, SaveServices& s) {
  Dialogs& d = s.dialogs;
  if (c.kind == ScheduleKind::OneTime && !c.oneTime.Complete()) {
    Refuse(d, kFieldsEmptyMessage);
    return SaveOutcome::Refused;
  }
  if (c.kind == ScheduleKind::Daily && !c.daily.Complete()) {
    Refuse(d, kFieldsEmptyMessage);
    return SaveOutcome::Refused;
  }
  if (c.kind == ScheduleKind::DayBasis && c.weekday.empty()) {
    Refuse(d, "Please select a day.");
    return SaveOutcome::Refused;
  }
  if (c.kind == ScheduleKind::DayBasis && !c.dayBasis.Complete()) {
    Refuse(d, kFieldsEmptyMessage);
    return SaveOutcome::Refused;
  }
  if (c.action == "Hibernate" && !s.hibernationAvailable()) {
    Refuse(d, kHibernationDisabledMessage);
    return SaveOutcome::Refused;
  }
  if (c.kind == ScheduleKind::None) {
    Refuse(d, "Please select any option", "No option selected");
    return SaveOutcome::Refused;
  }
  if (c.kind == ScheduleKind::OneTime && c.pickedDate.empty()) {
    Refuse(d, "Please Select a Date for the schedule", "No date selected");
    return SaveOutcome::Refused;
  }
  std::string error;
  if (!s.rows.Open(error)) {
    Refuse(d, error);
    return SaveOutcome::StoreFailed;
  }
  const ScheduleRow row = RowFor(c);
  for (const ScheduleRow& existing : s.rows.All()) {
    if (existing.action == row.action && existing.time == row.time && existing.date == row.date) {
      Refuse(d, c.kind == ScheduleKind::Daily
                    ? "This Daily Schedule already exists.Please enter a different schedule"
                    : "This Schedule already exists.Please enter a different schedule");
      return SaveOutcome::Refused;
    }
  }
  if (!s.rows.Append(row, error)) {
    Refuse(d, error);
    return SaveOutcome::StoreFailed;
  }
  if (s.refillList) s.refillList();
  MsgResult more = d.Show("Schedule is set.Do you want to set more schedules ?", "Schedule set",
                          MsgButtons::YesNo, MsgIcon::Information);
  return more == MsgResult::Yes ? SaveOutcome::SavedMore : SaveOutcome::SavedDone;
}

}  // namespace dusk
