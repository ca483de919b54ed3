#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace dusk {

LocalDateTime Win32Clock::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return LocalDateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek};
}

// GetTickCount wraps after 49.7 days; GetTickCount64 is not on Windows XP.
std::uint64_t Win32Clock::SteadyMilliseconds() {
  std::uint32_t tick = GetTickCount();
  if (tick < lastTick_) ++wraps_;
  lastTick_ = tick;
  return (wraps_ << 32) | tick;
}

}  // namespace dusk
