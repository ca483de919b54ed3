// What the editor's Save checks and stores, in the order the user meets the refusals.
#pragma once
#include <array>
#include <functional>
#include <string>

#include "platform/dialogs.h"
#include "schedule/schedule_editor_rows.h"

namespace dusk {

enum class ScheduleKind { None, OneTime, Daily, DayBasis };

// An empty text is a list with nothing chosen.
struct TimeChoice {
  std::string hour, minute, ampm;
  bool Complete() const { return !hour.empty() && !minute.empty() && !ampm.empty(); }
  std::string Composed() const { return hour + ":" + minute + ":" + ampm; }
};

struct EditorChoices {
  std::string action = "Shutdown";  // the action list's text
  ScheduleKind kind = ScheduleKind::None;
  std::string pickedDate;  // d-m-yyyy, empty until a day is picked on the calendar
  TimeChoice oneTime;      // hourcom, mincom, amcom
  TimeChoice daily;        // Combo2..Combo4
  std::string weekday;     // Combo1
  TimeChoice dayBasis;     // Combo5..Combo7
};

enum class SaveOutcome { Refused, StoreFailed, SavedMore, SavedDone };

struct SaveServices {
  Dialogs& dialogs;
  ScheduleRows& rows;
  std::function<bool()> hibernationAvailable;
  std::function<void()> refillList;  // clears and refills the list on the main window
};

// The row a complete entry stores.
ScheduleRow RowFor(const EditorChoices& choices);

// Runs the checks, stores the row and asks whether more follow. SavedMore keeps the
// editor shown; SavedDone hides it.
SaveOutcome SaveSchedule(const EditorChoices& choices, SaveServices& services);

// d-m-yyyy without leading zeros.
std::string DayMonthYear(int day, int month, int year);

inline constexpr const char* kFieldsEmptyMessage =
    "One or more fields are empty.Please enter the time properly.";

}  // namespace dusk
