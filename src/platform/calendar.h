// Calendar arithmetic on local date-times, without time zones.
#pragma once
#include <cstdint>

#include "platform/clock.h"

namespace dusk {

int DaysInMonth(int year, int month);
// Seconds since 1-1-1970 counted as if every day had 86400 seconds (local time).
std::int64_t ToSerialSeconds(const LocalDateTime& t);
LocalDateTime FromSerialSeconds(std::int64_t seconds);

}  // namespace dusk
