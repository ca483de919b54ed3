// A clock that moves only when a test says so.
#pragma once
#include "platform/clock.h"

namespace dusk {

class FakeClock : public Clock {
 public:
  explicit FakeClock(const LocalDateTime& start) : now_(start) {}
  LocalDateTime Now() override { return now_; }
  std::uint64_t SteadyMilliseconds() override { return steadyMs_; }

  void Set(const LocalDateTime& when) { now_ = when; }
  // Moves both clocks forward, carrying seconds into minutes, hours and days.
  void Advance(std::uint64_t milliseconds);

 private:
  LocalDateTime now_;
  std::uint64_t steadyMs_ = 0;
  std::uint64_t pendingMs_ = 0;
};

}  // namespace dusk
