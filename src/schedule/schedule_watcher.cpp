#include "schedule/schedule_editor_clock.h"

#include <cstdio>

namespace dusk {

ClockValues ClockValuesAt(const LocalDateTime& now, const std::string& weekdayName) {
  ClockValues v;
  v.weekday = weekdayName;
  v.date = std::to_string(now.day) + "-" + std::to_string(now.month) + "-" +
           std::to_string(now.year);
  int hour12 = now.hour % 12 == 0 ? 12 : now.hour % 12;
  const char* ampm = now.hour < 12 ? "AM" : "PM";
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d %s", hour12, now.minute, now.second, ampm);
  v.label = text;
  v.match = v.label.substr(0, 2) + ":" + v.label.substr(3, 2) + ":" + v.label.substr(9, 2);
  return v;
}

std::string ActionWord(const std::string& action) {
  if (action == "Restart" || action == "Shutdown" || action == "Hibernate" ||
      action == "Log Off" || action == "Suspend")
    return action;
  if (action == "Lock Computer") return "Lock";
  return {};
}

void ScheduleScan::Reset(std::vector<ScheduleRow> rows) {
  rows_ = std::move(rows);
  cursor_ = 0;
}

void ScheduleScan::Tick(const ClockValues& now,
                        const std::function<void(const std::string&)>& confirm) {
  if (!enabled_) return;
  if (cursor_ >= rows_.size()) cursor_ = 0;
  if (rows_.empty()) return;
  const ScheduleRow& row = rows_[cursor_];
  interval_ = kScanInterval;
  const std::string word = ActionWord(row.action);
  if (now.match == row.time) {
    if (row.date == "DAILY") {
      if (!word.empty()) {
        interval_ = kScanSlowInterval;  // the same minute cannot fire twice
        confirm(word);
      }
      enabled_ = false;
    }
    if (now.weekday == row.date || now.date == row.date) {
      if (!word.empty()) confirm(word);
      enabled_ = false;
    }
  }
  ++cursor_;
}

}  // namespace dusk
