// The wall clock and a steady tick count, so that countdowns and the schedule
// watcher can be driven by a fake clock in tests.
#pragma once
#include <cstdint>

namespace dusk {

struct LocalDateTime {
  int year = 2000;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;
  int second = 0;
  int weekday = 6;  // 0 = Sunday .. 6 = Saturday
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() = 0;
  // Milliseconds since an arbitrary start; never goes backwards.
  virtual std::uint64_t SteadyMilliseconds() = 0;
};

}  // namespace dusk
