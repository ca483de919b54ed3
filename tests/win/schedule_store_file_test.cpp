// The program's schedule file sits in the program's folder, whatever letters the
// folder's name has in the system's code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "schedule/win/schedule_part.h"

namespace dusk {
namespace {

TEST(ScheduleFileRows, TheFileIsMadeInTheProgramFolderEvenWithAccentedLetters) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  // "Planifié" in the ANSI code page: one byte that is not valid UTF-8 on its own.
  const std::string folder = std::string(temp) + "Planifi\xE9-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const std::string file = folder + "\\system.vvc";
  {
    std::unique_ptr<ScheduleRows> rows = OpenScheduleFile(folder);
    std::string error;
    ASSERT_TRUE(rows->Open(error)) << error;
    ASSERT_TRUE(rows->Append({"Restart", "DAILY", "07:15:AM", "Daily", "Restart"}, error)) << error;
    EXPECT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << file;

    std::unique_ptr<ScheduleRows> again = OpenScheduleFile(folder + "\\");
    ASSERT_TRUE(again->Open(error)) << error;
    ASSERT_EQ(again->All().size(), 1u);
    EXPECT_EQ(again->All()[0].time, "07:15:AM");
  }
  EXPECT_TRUE(DeleteFileA(file.c_str()));
  EXPECT_TRUE(RemoveDirectoryA(folder.c_str())) << "nothing else was left in the folder";
}

}  // namespace
}  // namespace dusk
