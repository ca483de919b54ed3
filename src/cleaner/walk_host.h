// What a long cleaning walk needs from the program's windows: letting pending window
// messages run, so that windows keep painting and timers keep ticking in the middle of
// a walk, and the busy pointer while the temporary folder is emptied.
#pragma once
#include <cstdint>

#include "platform/clock.h"

namespace dusk {

class WalkHost {
 public:
  virtual ~WalkHost() = default;
  virtual void PumpMessages() = 0;
  virtual void SetBusyCursor(bool busy) = 0;
};

// Lets the messages run whenever `intervalMs` have passed since they last did. Called
// after every write, flush and file, so the gap stays near the interval however the
// writes are cut.
class WalkPacer {
 public:
  static constexpr std::uint64_t kDefaultIntervalMs = 25;
  WalkPacer(Clock& clock, WalkHost& host, std::uint64_t intervalMs = kDefaultIntervalMs);
  void Tick();
  WalkHost& host() { return host_; }
  Clock& clock() { return clock_; }

 private:
  Clock& clock_;
  WalkHost& host_;
  std::uint64_t intervalMs_;
  std::uint64_t lastPump_;
};

}  // namespace dusk
