// The safe half of the real power service: version and hibernation-file queries.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_power.h"
#include "power/power_actions.h"

namespace dusk {
namespace {

TEST(Win32Power, HiddenSystemReadOnlyFileCountsAsPresent) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string path = std::string(temp) + "hiberfil-test.sys";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY,
                            nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  EXPECT_TRUE(FileExistsWithAnyAttributes(path));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
  EXPECT_FALSE(FileExistsWithAnyAttributes(path));
  EXPECT_FALSE(FileExistsWithAnyAttributes(temp)) << "a folder is not the file";
}

TEST(Win32Power, PrefixReportsXpSoLockIsOffered) {
  OsVersionNumbers v = QuerySystemVersion();
  EXPECT_EQ(v.platformId, 2);
  EXPECT_EQ(v.major, 5);
  EXPECT_EQ(v.minor, 1);
}

}  // namespace
}  // namespace dusk
