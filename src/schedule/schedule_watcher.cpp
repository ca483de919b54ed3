#include "schedule/schedule_watcher.h"

#include <algorithm>
#include <cstdio>

#include "platform/calendar.h"

namespace dusk {
namespace {

bool DueAt(const ScheduleRow& row, const ClockValues& clock) {
  return row.time == clock.match &&
         (row.date == "DAILY" || row.date == clock.weekday || row.date == clock.date);
}

// What makes two rows the same schedule for the watcher: equal rows taken in one
// minute count as taken once each.
std::string Identity(const ScheduleRow& row) {
  return row.action + '\n' + row.date + '\n' + row.time;
}

std::int64_t MinuteStart(const LocalDateTime& t) { return ToSerialSeconds(t) - t.second; }

}  // namespace

const char* EnglishWeekdayName(int weekday) {
  static const char* const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                       "Thursday", "Friday", "Saturday"};
  return weekday >= 0 && weekday < 7 ? kNames[weekday] : "";
}

ClockValues ClockValuesAt(const LocalDateTime& now) {
  ClockValues v;
  v.weekday = EnglishWeekdayName(now.weekday);
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

void ScheduleWatcher::Watch(const std::vector<ScheduleRow>& rows) {
  rows_ = rows;
  byTime_.clear();
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (!ActionWord(rows_[i].action).empty()) byTime_[rows_[i].time].push_back(i);
  paused_ = false;
}

bool ScheduleWatcher::AnyDueAt(const ClockValues& clock) const {
  auto found = byTime_.find(clock.match);
  if (found == byTime_.end()) return false;
  return std::any_of(found->second.begin(), found->second.end(),
                     [&](std::size_t i) { return DueAt(rows_[i], clock); });
}

std::vector<std::string> ScheduleWatcher::TakeDue(const LocalDateTime& now) {
  std::vector<std::string> words;
  if (paused_) return words;
  const std::int64_t minute = MinuteStart(now);
  if (minute != takenMinute_) {
    takenMinute_ = minute;
    taken_.clear();
  }
  const ClockValues clock = ClockValuesAt(now);
  auto found = byTime_.find(clock.match);
  if (found == byTime_.end()) return words;
  std::vector<std::string> takenBefore = taken_;
  for (std::size_t i : found->second) {
    const ScheduleRow& row = rows_[i];
    if (!DueAt(row, clock)) continue;
    auto before = std::find(takenBefore.begin(), takenBefore.end(), Identity(row));
    if (before != takenBefore.end()) {
      takenBefore.erase(before);
      continue;
    }
    taken_.push_back(Identity(row));
    words.push_back(ActionWord(row.action));
  }
  return words;
}

std::optional<std::uint32_t> ScheduleWatcher::NextWakeIn(const LocalDateTime& now) const {
  if (paused_ || byTime_.empty()) return std::nullopt;
  const std::int64_t start = MinuteStart(now);
  for (int ahead = 1;; ++ahead) {
    const LocalDateTime then = FromSerialSeconds(start + 60 * ahead);
    if (then.minute == 0 || AnyDueAt(ClockValuesAt(then)))
      return static_cast<std::uint32_t>((60 * ahead - now.second) * 1000);
  }
}

}  // namespace dusk
