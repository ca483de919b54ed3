// Form1 under Wine: the hidden host window registers the file manager's menu for the
// current user while it lives, takes it away when it goes, and carries out the clicks
// posted to it on the program's own thread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win/about_window.h"
#include "main_frame_fixture.h"
#include "app/exit_origin.h"
#include "child_run.h"
#include "power/shell_menu_items.h"
#include "power/shell_menu_registration.h"
#include "power/win/context_menu_host.h"
#include "window_probe.h"

namespace dusk {
namespace {

using Lines = std::vector<std::string>;

const std::string kClassKey = "Software\\Classes\\CLSID\\" + ClassIdText(kShellMenuClass);
const char* const kPlaces[] = {"*", "Directory", "Directory\\Background", "Drive"};

std::string HandlerKey(const char* place) {
  return std::string("Software\\Classes\\") + place + "\\shellex\\ContextMenuHandlers\\Dusklatch";
}

bool UserKeyExists(const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return false;
  RegCloseKey(opened);
  return true;
}

std::string UserValue(const std::string& key, const char* name = nullptr) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return "(no key)";
  char text[512] = {};
  DWORD bytes = sizeof text - 1;
  const LONG read =
      RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &bytes);
  RegCloseKey(opened);
  return read == ERROR_SUCCESS ? text : "(no value)";
}

void SetUserValue(const std::string& key, const char* name, const std::string& text) {
  HKEY made = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &made,
                  nullptr);
  RegSetValueExA(made, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(made);
}

std::string ExecutableFolder() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\'));
}

class ShellMenuHost : public MainFrameFixture {};

TEST_F(ShellMenuHost, IsAHiddenForm1ThatOffersTheMenuOnlyWhileItLives) {
  const bool userHadAllFilesClasses = UserKeyExists("Software\\Classes\\*");
  CreateMainFrame();
  HWND host = ContextMenuHostWindow();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(ClassOf(host), "Form1");
  EXPECT_FALSE(IsWindowVisible(host));
  EXPECT_EQ(UserValue(kClassKey), "Dusklatch");
  EXPECT_EQ(UserValue(kClassKey + "\\InprocServer32"), ExecutableFolder() + "\\DusklatchMenu.dll");
  EXPECT_EQ(UserValue(kClassKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
  for (const char* place : kPlaces)
    EXPECT_EQ(UserValue(HandlerKey(place)), ClassIdText(kShellMenuClass)) << place;

  main.reset();
  EXPECT_EQ(ContextMenuHostWindow(), nullptr);
  EXPECT_FALSE(UserKeyExists(kClassKey));
  for (const char* place : kPlaces) EXPECT_FALSE(UserKeyExists(HandlerKey(place))) << place;
  // The keys made only to hold ours go with them.
  if (!userHadAllFilesClasses) {
    EXPECT_FALSE(UserKeyExists("Software\\Classes\\*"));
  }
}

TEST_F(ShellMenuHost, RepairsARegistrationLeftBehindAndKeepsTheUsersOwnKeysAroundIt) {
  const std::string other =
      "Software\\Classes\\Directory\\shellex\\ContextMenuHandlers\\SomeoneElse";
  SetUserValue(kClassKey + "\\InprocServer32", nullptr, "C:\\gone\\DusklatchMenu.dll");
  SetUserValue(other, nullptr, "{00000000-0000-0000-0000-000000000001}");
  CreateMainFrame();
  EXPECT_EQ(UserValue(kClassKey + "\\InprocServer32"), ExecutableFolder() + "\\DusklatchMenu.dll");
  main.reset();
  EXPECT_FALSE(UserKeyExists(kClassKey));
  EXPECT_EQ(UserValue(other), "{00000000-0000-0000-0000-000000000001}");
  // What this test made itself.
  for (const char* key : {"Software\\Classes\\Directory\\shellex\\ContextMenuHandlers\\SomeoneElse",
                          "Software\\Classes\\Directory\\shellex\\ContextMenuHandlers",
                          "Software\\Classes\\Directory\\shellex", "Software\\Classes\\Directory"})
    RegDeleteKeyA(HKEY_CURRENT_USER, key);
}

TEST_F(ShellMenuHost, RunsEachClickPostedToItAsTheItemSays) {
  CreateMainFrame();
  HWND host = ContextMenuHostWindow();
  ASSERT_NE(host, nullptr);
  auto click = [&](WPARAM position) {
    const std::size_t before = power.requests().size() + dialogs.shown().size();
    PostMessageA(host, kShellMenuClickMessage, position, 0);
    PumpUntil([&] { return power.requests().size() + dialogs.shown().size() > before; }, 300);
  };
  click(0);  // Shutdown
  click(4);  // Logoff
  click(5);  // Lock Computer
  click(3);  // Hibernate: no hibernation file on this drive
  click(7);  // not an item
  click(1000);
  EXPECT_EQ(power.requests(),
            (Lines{"privilege on", "ExitWindowsEx 8", "privilege off", "privilege on",
                   "ExitWindowsEx 0", "privilege off", "LockWorkStation"}));
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].icon, MsgIcon::Critical);

  PostMessageA(host, kShellMenuClickMessage, 6, 0);  // About: not modal, the program goes on
  EXPECT_TRUE(PumpUntil([&] { return main->About() && main->About()->IsOpen(); }, 2000));
  EXPECT_FALSE(main->About()->IsModal());
  EXPECT_EQ(power.requests().size(), 7u);
}

// The toolbar's Exit ends the process without closing Form1 on the way. A child run of
// this test program ends that way and reports on its standard output.
constexpr const char* kChildVariable = "DUSK_SHELL_MENU_EXIT_CHILD";

TEST_F(ShellMenuHost, DISABLED_ChildEndsThroughTheToolbarsExit) {
  if (!GetEnvironmentVariableA(kChildVariable, nullptr, 0)) GTEST_SKIP() << "run by the test below";
  CreateMainFrame();
  SayToParent("registered " + UserValue(kClassKey + "\\InprocServer32", "ThreadingModel"));
  main->CloseEverythingAndEnd(ExitOrigin::Toolbar);
}

TEST_F(ShellMenuHost, EndingWithoutClosingForm1StillTakesTheMenuAway) {
  const ChildRun child =
      RunChildTest("ShellMenuHost.DISABLED_ChildEndsThroughTheToolbarsExit", kChildVariable);
  ASSERT_TRUE(child.started);
  EXPECT_EQ(child.exitCode, 0u) << child.output;
  EXPECT_NE(child.output.find("registered Apartment"), std::string::npos) << child.output;
  EXPECT_FALSE(UserKeyExists(kClassKey));
  for (const char* place : kPlaces) EXPECT_FALSE(UserKeyExists(HandlerKey(place))) << place;
}

}  // namespace
}  // namespace dusk
