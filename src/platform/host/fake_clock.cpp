#include "platform/host/fake_clock.h"

#include "platform/calendar.h"

namespace dusk {

void FakeClock::Advance(std::uint64_t milliseconds) {
  steadyMs_ += milliseconds;
  pendingMs_ += milliseconds;
  const std::int64_t wholeSeconds = static_cast<std::int64_t>(pendingMs_ / 1000);
  pendingMs_ %= 1000;
  if (wholeSeconds > 0) now_ = FromSerialSeconds(ToSerialSeconds(now_) + wholeSeconds);
}

}  // namespace dusk
