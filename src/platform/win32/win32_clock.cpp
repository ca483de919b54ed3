#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace dusk {

LocalDateTime Win32Clock::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return LocalDateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek};
}

std::string Win32Clock::LongWeekdayName(const LocalDateTime& when) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(when.year);
  st.wMonth = static_cast<WORD>(when.month);
  st.wDay = static_cast<WORD>(when.day);
  st.wDayOfWeek = static_cast<WORD>(when.weekday);
  char name[80] = {};
  if (GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, "dddd", name, sizeof(name)) == 0) return "";
  return name;
}

// GetTickCount wraps after 49.7 days; GetTickCount64 is not on Windows XP.
std::uint64_t Win32Clock::SteadyMilliseconds() {
  std::uint32_t tick = GetTickCount();
  if (tick < lastTick_) ++wraps_;
  lastTick_ = tick;
  return (wraps_ << 32) | tick;
}

}  // namespace dusk
