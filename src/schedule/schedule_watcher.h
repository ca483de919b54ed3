// The editor window's clock values and its scan over the schedule rows: one row per
// tick, wrapping to the first after the last, pausing itself after a detection.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "schedule/schedule_editor_rows.h"

namespace dusk {

struct ClockValues {
  std::string weekday;  // the system's long weekday name
  std::string date;     // d-m-yyyy
  std::string label;    // hh:mm:ss AM
  std::string match;    // hh:mm:AM, the form of a row's time
};

ClockValues ClockValuesAt(const LocalDateTime& now, const std::string& weekdayName);

// The word the confirmation window is given for a row's action; empty for none.
std::string ActionWord(const std::string& action);

inline constexpr unsigned kScanInterval = 100;
inline constexpr unsigned kScanSlowInterval = 60000;
inline constexpr unsigned kRearmInterval = 60000;

class ScheduleScan {
 public:
  // `rows` is the snapshot the scan walks; replaced whenever the rows change.
  void Reset(std::vector<ScheduleRow> rows);
  bool enabled() const { return enabled_; }
  unsigned interval() const { return interval_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  // A scan without rows examines nothing until the next Reset.
  bool HasRows() const { return !rows_.empty(); }
  // Examines one row; calls `confirm` with the action word of a due row.
  void Tick(const ClockValues& now, const std::function<void(const std::string&)>& confirm);
  // The re-arm tick: a paused scan runs again at its last interval.
  void Rearm() { enabled_ = true; }

 private:
  std::vector<ScheduleRow> rows_;
  std::size_t cursor_ = 0;
  bool enabled_ = true;
  unsigned interval_ = kScanInterval;
};

}  // namespace dusk
