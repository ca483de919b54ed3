// Where config.ini and system.vvc live: beside the exe for a copy unpacked anywhere,
// in the user's own folder for an installed copy, never replacing what the user has.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/win/data_folder.h"

namespace dusk {
namespace {

class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    root = std::string(temp) + "dusk-data-folder-" + std::to_string(GetCurrentProcessId());
    program = root + "\\Program Files\\Dusklatch";
    appData = root + "\\Application Data";
    for (const std::string& folder : {root, root + "\\Program Files", program, appData})
      ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
  }
  void TearDown() override { RemoveTree(root); }

  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  static bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  static void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
        else DeleteFileA(path.c_str());
      } while (FindNextFileA(h, &found));
      FindClose(h);
    }
    RemoveDirectoryA(folder.c_str());
  }

  std::string root, program, appData;
};

TEST_F(DataFolderTest, ACopyWithoutTheInstallersMarkKeepsItsFilesBesideTheExe) {
  Write(program + "\\config.ini", "[Pass]\r\nVal=portable\r\n");
  EXPECT_EQ(DataFolderFor(program, appData), program);
  EXPECT_FALSE(Exists(appData + "\\Dusklatch")) << "nothing is made for a copy unpacked anywhere";
}

TEST_F(DataFolderTest, AnInstalledCopyGivesTheUserAFolderSeededOnceAndNeverOverwritten) {
  Write(program + "\\installed.txt", "");
  Write(program + "\\config.ini", "[Pass]\r\nVal=shipped\r\n");
  Write(program + "\\system.vvc", "schedules an older copy kept beside the exe");
  const std::string mine = appData + "\\Dusklatch";

  EXPECT_EQ(DataFolderFor(program, appData), mine);
  EXPECT_EQ(Read(mine + "\\config.ini"), "[Pass]\r\nVal=shipped\r\n");
  EXPECT_EQ(Read(mine + "\\system.vvc"), "schedules an older copy kept beside the exe");

  // The user saves settings; a later install brings other defaults: the user's stay.
  Write(mine + "\\config.ini", "[Pass]\r\nVal=mine\r\n");
  Write(program + "\\config.ini", "[Pass]\r\nVal=newer defaults\r\n");
  EXPECT_EQ(DataFolderFor(program, appData), mine);
  EXPECT_EQ(Read(mine + "\\config.ini"), "[Pass]\r\nVal=mine\r\n");

  // Without a schedule file in the program folder the store makes one itself.
  DeleteFileA((program + "\\system.vvc").c_str());
  DeleteFileA((mine + "\\system.vvc").c_str());
  EXPECT_EQ(DataFolderFor(program, appData), mine);
  EXPECT_FALSE(Exists(mine + "\\system.vvc"));
}

TEST_F(DataFolderTest, AnInstalledCopyStaysWithTheProgramFolderWhenTheUsersFolderCannotBeMade) {
  Write(program + "\\installed.txt", "");
  Write(appData + "\\Dusklatch", "a file where the folder belongs");
  EXPECT_EQ(DataFolderFor(program, appData), program);
  EXPECT_EQ(DataFolderFor(program, ""), program);
}

}  // namespace
}  // namespace dusk
