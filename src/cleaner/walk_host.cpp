#include "cleaner/walk_host.h"

namespace dusk {

WalkPacer::WalkPacer(Clock& clock, WalkHost& host, std::uint64_t intervalMs)
    : clock_(clock), host_(host), intervalMs_(intervalMs), lastPump_(clock.SteadyMilliseconds()) {}

void WalkPacer::Tick() {
  if (clock_.SteadyMilliseconds() - lastPump_ < intervalMs_) return;
  host_.PumpMessages();
  // Measured after the pump: time spent in the windows' own handlers does not count
  // against the walk.
  lastPump_ = clock_.SteadyMilliseconds();
}

}  // namespace dusk
