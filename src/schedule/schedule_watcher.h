// The watcher over the stored schedules: which rows are due in a minute, and when it
// next has to look. A row is due when its time is the minute's hh:mm:AM text and its
// date is "DAILY", the minute's weekday name or its d-m-yyyy date, all compared
// exactly. Nothing ticks between two looks: the owner sets one timer for NextWakeIn.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "schedule/schedule_editor_rows.h"

namespace dusk {

// The clock in the forms the rows are written in.
struct ClockValues {
  std::string weekday;  // the English weekday name, as the editor stores it
  std::string date;     // d-m-yyyy
  std::string label;    // hh:mm:ss AM
  std::string match;    // hh:mm:AM, the form of a row's time
};

// The weekday is named from the clock's weekday number, never from the user's
// language: the rows hold the English names whatever language Windows speaks.
ClockValues ClockValuesAt(const LocalDateTime& now);
const char* EnglishWeekdayName(int weekday);  // 0 = Sunday; empty text out of range

// The word the confirmation window is given for a row's action; empty for none.
std::string ActionWord(const std::string& action);

class ScheduleWatcher {
 public:
  // The rows to watch, in stored order, replacing the ones before. A row taken in
  // the current minute is not taken again because the rows were read anew.
  void Watch(const std::vector<ScheduleRow>& rows);
  // Nothing is taken while the rows are being changed; Watch ends the pause.
  void Pause() { paused_ = true; }
  bool paused() const { return paused_; }

  // The action words of the rows due in the minute of `now` that have not been
  // taken in that minute yet, in stored order. Each is taken once per minute.
  std::vector<std::string> TakeDue(const LocalDateTime& now);

  // Milliseconds from `now` to the next look: the start of the next minute a row is
  // due in, or of the next full hour when that comes first, so that a clock moved
  // for daylight saving time is caught up with. None while there is nothing to
  // watch (no row with an action, or paused).
  std::optional<std::uint32_t> NextWakeIn(const LocalDateTime& now) const;

 private:
  bool AnyDueAt(const ClockValues& clock) const;

  // The rows that can fire, by their time text; positions keep the stored order.
  std::map<std::string, std::vector<std::size_t>> byTime_;
  std::vector<ScheduleRow> rows_;
  bool paused_ = false;
  std::int64_t takenMinute_ = -1;
  std::vector<std::string> taken_;  // rows taken in takenMinute_, by their texts
};

}  // namespace dusk
