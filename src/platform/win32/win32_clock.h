// The system's local time (with its weekday number) and tick count.
#pragma once
#include "platform/clock.h"

namespace dusk {

class Win32Clock : public Clock {
 public:
  LocalDateTime Now() override;
  std::uint64_t SteadyMilliseconds() override;

 private:
  std::uint32_t lastTick_ = 0;
  std::uint64_t wraps_ = 0;
};

}  // namespace dusk
