// The Windows tests run in a prefix that reports Windows XP; later checks rely on it.
#include <gtest/gtest.h>
#include <windows.h>

TEST(Prefix, ReportsWindowsXp) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
  EXPECT_EQ(info.dwMajorVersion, 5u);
  EXPECT_EQ(info.dwMinorVersion, 1u);
}
