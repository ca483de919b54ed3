// The menu extension DLL under Wine, loaded and driven in this process as a file
// manager drives it, with the real Form1 of the program on recording services.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "main_frame_fixture.h"
#include "power/shell_menu_items.h"
#include "shellext_driver.h"
#include "window_probe.h"

namespace dusk {
namespace {

using namespace shellext_driver;
using Lines = std::vector<std::string>;

constexpr UINT kFirst = 100;

std::wstring BesideThisProgram(const wchar_t* file) {
  wchar_t path[MAX_PATH + 1] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + file;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// "text@offset" for items, "-" for a dividing line, sub-items in brackets.
Lines Shape(const std::vector<MenuEntry>& entries) {
  Lines lines;
  for (const MenuEntry& e : entries) {
    if (e.separator) {
      lines.push_back("-");
      continue;
    }
    std::string line = Narrow(e.text);
    if (e.id >= kFirst) line += "@" + std::to_string(e.id - kFirst);
    if (!e.submenu.empty()) {
      line += " [";
      for (const std::string& sub : Shape(e.submenu)) line += sub + " ";
      line += "]";
    }
    lines.push_back(line);
  }
  return lines;
}

class ShellMenuExtension : public MainFrameFixture {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    menu = FileManagerMenu();
  }
  void TearDown() override {
    DestroyMenu(menu);
    MainFrameFixture::TearDown();
    OleUninitialize();
  }

  // QueryContextMenu between the file manager's two items; the count it added.
  unsigned Query(Extension& extension, UINT last = 0x7FFF, UINT flags = CMF_NORMAL) {
    const HRESULT result = extension.menu()->QueryContextMenu(menu, 1, kFirst, last, flags);
    EXPECT_TRUE(SUCCEEDED(result));
    return HRESULT_CODE(result);
  }

  // Waits until a posted click reached the program.
  void Settle(std::size_t requests) {
    PumpUntil([&] { return power.requests().size() >= requests; }, 2000);
  }

  HMENU menu = nullptr;
};

TEST_F(ShellMenuExtension, AddsNothingWhileTheProgramIsNotRunning) {
  Extension extension(BesideThisProgram(L"DusklatchMenu.dll"));
  ASSERT_TRUE(extension.ok()) << extension.error();
  EXPECT_EQ(extension.init()->Initialize(nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(Query(extension), 0u);
  EXPECT_EQ(Shape(ReadMenu(menu)), (Lines{"Open", "Properties"}));
  EXPECT_EQ(InvokeByOffset(extension.menu(), 0), E_FAIL);
}

TEST_F(ShellMenuExtension, AddsTheSubmenuWithEightIdentifiersBetweenTheFileManagersItems) {
  CreateMainFrame();
  Extension extension(BesideThisProgram(L"DusklatchMenu.dll"));
  ASSERT_TRUE(extension.ok()) << extension.error();
  const std::wstring file = BesideThisProgram(L"dusk_win_tests.exe");
  IDataObject* selection = SelectionOf(file);
  EXPECT_NE(selection, nullptr);
  EXPECT_EQ(extension.init()->Initialize(nullptr, selection, nullptr), S_OK);
  if (selection) selection->Release();

  EXPECT_EQ(Query(extension), kShellMenuIdentifiersTaken);
  EXPECT_EQ(Shape(ReadMenu(menu)), (Lines{"Open", "-",
                                          "Dusklatch@7 [Shutdown@0 Restart@1 StandBy@2 Hibernate@3 "
                                          "Logoff@4 Lock Computer@5 About@6 ]",
                                          "Properties"}));
  // No green.bmp beside this copy of the extension: the root item has no picture.
  EXPECT_FALSE(ReadMenu(menu)[2].picture);
}

TEST_F(ShellMenuExtension, AnswersVerbsAndHelpTextsInBothCharacterSets) {
  CreateMainFrame();
  Extension extension(BesideThisProgram(L"DusklatchMenu.dll"));
  ASSERT_TRUE(extension.ok()) << extension.error();
  IContextMenu* cm = extension.menu();
  for (UINT i = 0; i < static_cast<UINT>(kShellMenuCommandCount); ++i) {
    EXPECT_EQ(Narrow(CommandString(cm, i, GCS_VERBA)), kShellMenuCommands[i].verb);
    EXPECT_EQ(Narrow(CommandString(cm, i, GCS_VERBW)), kShellMenuCommands[i].verb);
    EXPECT_EQ(Narrow(CommandString(cm, i, GCS_HELPTEXTA)), kShellMenuCommands[i].help);
    EXPECT_EQ(Narrow(CommandString(cm, i, GCS_HELPTEXTW)), kShellMenuCommands[i].help);
    EXPECT_EQ(cm->GetCommandString(i, GCS_VALIDATEW, nullptr, nullptr, 0), S_OK);
  }
  HRESULT result = S_OK;
  CommandString(cm, kShellMenuRootOffset, GCS_VERBW, &result);
  EXPECT_EQ(result, E_INVALIDARG) << "the root item only opens the submenu";
  EXPECT_EQ(Narrow(CommandString(cm, kShellMenuRootOffset, GCS_HELPTEXTA)), kShellMenuRootHelp);
  CommandString(cm, kShellMenuIdentifiersTaken, GCS_HELPTEXTW, &result);
  EXPECT_EQ(result, E_INVALIDARG);

  // A verb that does not fit is refused rather than cut; a help text is cut.
  char small[8] = "xxxxxxx";
  EXPECT_TRUE(FAILED(cm->GetCommandString(0, GCS_VERBA, nullptr, small, sizeof small)));
  EXPECT_EQ(cm->GetCommandString(0, GCS_HELPTEXTA, nullptr, small, sizeof small), S_OK);
  EXPECT_STREQ(small, "Shuts t");
  EXPECT_EQ(cm->GetCommandString(0, GCS_HELPTEXTA, nullptr, small, 0), E_INVALIDARG);
}

TEST_F(ShellMenuExtension, TakesNoIdentifiersWhenTheRangeIsShortOrOnlyTheDefaultIsWanted) {
  CreateMainFrame();
  Extension extension(BesideThisProgram(L"DusklatchMenu.dll"));
  ASSERT_TRUE(extension.ok()) << extension.error();
  EXPECT_EQ(Query(extension, kFirst + kShellMenuIdentifiersTaken - 2), 0u);
  EXPECT_EQ(Query(extension, 0x7FFF, CMF_DEFAULTONLY), 0u);
  EXPECT_EQ(Shape(ReadMenu(menu)), (Lines{"Open", "Properties"}));
  EXPECT_EQ(Query(extension, kFirst + kShellMenuIdentifiersTaken - 1), kShellMenuIdentifiersTaken);
}

TEST_F(ShellMenuExtension, InvokesByOffsetAndByVerbThroughTheProgram) {
  CreateMainFrame();
  Extension extension(BesideThisProgram(L"DusklatchMenu.dll"));
  ASSERT_TRUE(extension.ok()) << extension.error();
  Query(extension);
  IContextMenu* cm = extension.menu();
  EXPECT_EQ(InvokeByOffset(cm, 0), S_OK);
  Settle(3);
  EXPECT_EQ(InvokeByVerb(cm, "dusklatch.restart", true), S_OK);
  Settle(6);
  EXPECT_EQ(InvokeByVerb(cm, "DUSKLATCH.STANDBY", false), S_OK);
  Settle(7);
  EXPECT_EQ(InvokeByOffset(cm, kShellMenuRootOffset), E_FAIL);
  EXPECT_EQ(InvokeByOffset(cm, 0x40), E_FAIL);
  EXPECT_EQ(InvokeByVerb(cm, "open", true), E_FAIL);
  EXPECT_EQ(InvokeByVerb(cm, "dusklatch.shutdown ", false), E_FAIL);
  CMINVOKECOMMANDINFO tooSmall{};
  tooSmall.cbSize = sizeof tooSmall - 4;
  EXPECT_EQ(cm->InvokeCommand(&tooSmall), E_INVALIDARG);
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(power.requests(),
            (Lines{"privilege on", "ExitWindowsEx 8", "privilege off", "privilege on",
                   "ExitWindowsEx 2", "privilege off", "SetSuspendState 0 0 0"}));

  EXPECT_EQ(extension.Release(), 0u) << "references balance";
  EXPECT_EQ(extension.factoryReleasedTo(), 0u);
  EXPECT_EQ(extension.CanUnloadNow(), S_OK);
}

TEST_F(ShellMenuExtension, AProgramThatEndedBetweenMenuAndClickIsNoFault) {
  CreateMainFrame();
  Extension extension(BesideThisProgram(L"DusklatchMenu.dll"));
  ASSERT_TRUE(extension.ok()) << extension.error();
  ASSERT_EQ(Query(extension), kShellMenuIdentifiersTaken);
  main.reset();
  EXPECT_EQ(InvokeByOffset(extension.menu(), 0), E_FAIL);
  EXPECT_TRUE(power.requests().empty());
}

// A 2 x 2 24-bit picture, green.
void WriteGreenBmp(const std::wstring& path) {
  const unsigned char bmp[] = {'B', 'M', 70, 0, 0,   0, 0, 0, 0, 0,   54, 0, 0,   0,  // file header
                               40,  0,   0,  0, 2,   0, 0, 0, 2, 0,   0,  0, 1,   0, 24, 0,
                               0,   0,   0,  0, 16,  0, 0, 0, 0, 0,   0,  0, 0,   0, 0,  0,
                               0,   0,   0,  0, 0,   0, 0, 0,  // info header
                               0,   200, 0,  0, 200, 0, 0, 0, 0, 200, 0,  0, 200, 0, 0,  0};
  std::ofstream(Narrow(path), std::ios::binary)
      .write(reinterpret_cast<const char*>(bmp), sizeof bmp);
}

TEST_F(ShellMenuExtension, TheRootItemShowsGreenBmpFromTheExtensionsFolder) {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder =
      std::wstring(temp) + L"dusk-shellext-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring dll = folder + L"\\DusklatchMenu.dll";
  ASSERT_TRUE(CopyFileW(BesideThisProgram(L"DusklatchMenu.dll").c_str(), dll.c_str(), FALSE));
  WriteGreenBmp(folder + L"\\green.bmp");
  CreateMainFrame();
  {
    Extension extension(dll);
    ASSERT_TRUE(extension.ok()) << extension.error();
    ASSERT_EQ(Query(extension), kShellMenuIdentifiersTaken);
    const std::vector<MenuEntry> entries = ReadMenu(menu);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_TRUE(entries[2].picture);
    EXPECT_FALSE(entries[2].submenu[0].picture);
    DestroyMenu(menu);  // the menu goes before the DLL, as in a file manager
    menu = nullptr;
  }
  DeleteFileW((folder + L"\\green.bmp").c_str());
  DeleteFileW(dll.c_str());
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace dusk
