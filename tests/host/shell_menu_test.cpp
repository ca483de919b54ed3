// The file manager's menu: what a click on each item does, how the extension reads
// verbs and command ranges, and the registration written while the program runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "app/app_identity.h"
#include "platform/host/recording_dialogs.h"
#include "platform/host/recording_power.h"
#include "power/power_actions.h"
#include "power/shell_menu_click.h"
#include "power/shell_menu_items.h"
#include "power/shell_menu_registration.h"

namespace dusk {
namespace {

using Lines = std::vector<std::string>;

class ClickHost : public ShellMenuClickHost {
 public:
  PowerApi& Power() override { return power; }
  Dialogs& Messages() override { return dialogs; }
  std::string HibernationFilePath() const override { return "C:\\hiberfil.sys"; }
  void ShowAbout() override { ++aboutShown; }

  RecordingPower power;
  RecordingDialogs dialogs;
  int aboutShown = 0;
};

TEST(ShellMenuClick, EachPowerItemRequestsItsActionAtOnceAndNeverForced) {
  ClickHost host;
  host.power.existingFiles.insert("C:\\hiberfil.sys");
  for (const char* text :
       {"Shutdown", "Restart", "StandBy", "Hibernate", "Logoff", "Lock Computer"})
    RunShellMenuItem(host, text);
  EXPECT_EQ(
      host.power.requests(),
      (Lines{"privilege on", "ExitWindowsEx 8", "privilege off", "privilege on", "ExitWindowsEx 2",
             "privilege off", "privilege on", "SetSuspendState 0 0 0", "privilege off",
            "privilege on", "SetSuspendState 1 0 0", "privilege off", "privilege on",
             "ExitWindowsEx 0", "privilege off", "LockWorkStation"}));
  EXPECT_TRUE(host.dialogs.shown().empty());
  EXPECT_EQ(host.aboutShown, 0);
}

TEST(ShellMenuClick, HibernateWithoutTheFileOnlyTellsWhy) {
  ClickHost host;
  RunShellMenuItem(host, "Hibernate");
  EXPECT_TRUE(host.power.requests().empty());
  ASSERT_EQ(host.dialogs.shown().size(), 1u);
  EXPECT_EQ(host.dialogs.shown()[0].text, kHibernationDisabledMessage);
  EXPECT_EQ(host.dialogs.shown()[0].title, "Dusklatch");
  EXPECT_EQ(host.dialogs.shown()[0].icon, MsgIcon::Critical);
  EXPECT_EQ(host.dialogs.shown()[0].buttons, MsgButtons::Ok);
}

TEST(ShellMenuClick, AboutOpensTheWindowAndLockDoesNothingAfterXp) {
  ClickHost host;
  host.power.version = {2, 6, 1};  // Windows 7
  RunShellMenuItem(host, "About");
  RunShellMenuItem(host, "Lock Computer");
  RunShellMenuItem(host, "StandBy");
  EXPECT_EQ(host.aboutShown, 1);
  EXPECT_TRUE(host.power.requests().empty());
}

TEST(ShellMenuClick, OtherTextsAndPositionsOutsideTheSubmenuDoNothing) {
  ClickHost host;
  for (const char* text : {"-", "Dusklatch", "shutdown", "Log Off", "About ", ""})
    RunShellMenuItem(host, text);
  RunShellMenuClick(host, kShellMenuCommandCount);  // the root item's offset
  RunShellMenuClick(host, ULONG_MAX);
  EXPECT_TRUE(host.power.requests().empty());
  EXPECT_TRUE(host.dialogs.shown().empty());
  EXPECT_EQ(host.aboutShown, 0);
}

TEST(ShellMenuClick, APositionNamesTheSubmenuItemInItsOrder) {
  ClickHost host;
  RunShellMenuClick(host, 1);  // Restart
  RunShellMenuClick(host, 5);  // Lock Computer
  RunShellMenuClick(host, 6);  // About
  EXPECT_EQ(host.power.requests(),
            (Lines{"privilege on", "ExitWindowsEx 2", "privilege off", "LockWorkStation"}));
  EXPECT_EQ(host.aboutShown, 1);
}

TEST(ShellMenuItems, TheSubmenuInItsOrder) {
  Lines texts;
  for (const ShellMenuCommand& command : kShellMenuCommands) texts.push_back(command.text);
  EXPECT_EQ(texts, (Lines{"Shutdown", "Restart", "StandBy", "Hibernate", "Logoff", "Lock Computer",
                          "About"}));
  EXPECT_STREQ(kShellMenuRootText, "Dusklatch");
  EXPECT_STREQ(kShellMenuSeparatorText, "-");
}

TEST(ShellMenuItems, VerbsMatchWholeAndWithoutRegardToCase) {
  EXPECT_EQ(ShellMenuVerbIndex("dusklatch.shutdown"), 0);
  EXPECT_EQ(ShellMenuVerbIndex("DuskLatch.About"), 6);
  EXPECT_EQ(ShellMenuVerbIndex(L"dusklatch.lock"), 5);
  EXPECT_EQ(ShellMenuVerbIndex(u"DUSKLATCH.HIBERNATE"), 3);
  for (const char* other :
       {"dusklatch.shut", "dusklatch.shutdownx", "dusklatch.", "", "open", "Shutdown"})
    EXPECT_EQ(ShellMenuVerbIndex(other), -1) << other;
  EXPECT_EQ(ShellMenuVerbIndex(static_cast<const char*>(nullptr)), -1);
  // Characters beyond ASCII never fold onto ours.
  const wchar_t wide[] = {L'd' + 0x100, 0};
  EXPECT_EQ(ShellMenuVerbIndex(wide), -1);
}

TEST(ShellMenuItems, TheRangeHoldsEightIdentifiersOrNothingIsAdded) {
  EXPECT_TRUE(ShellMenuFitsRange(100, 107));
  EXPECT_FALSE(ShellMenuFitsRange(100, 106));
  EXPECT_FALSE(ShellMenuFitsRange(107, 100));
  EXPECT_TRUE(ShellMenuFitsRange(UINT_MAX - 7, UINT_MAX));
  EXPECT_FALSE(ShellMenuFitsRange(UINT_MAX - 6, UINT_MAX));
}

constexpr const char* kClassKey =
    "Software\\Classes\\CLSID\\{9A87D8EF-337F-4226-AF23-0399C02C9132}";

Lines Values(const ShellMenuRegistration& plan) {
  Lines lines;
  for (const RegistrationValue& v : plan.values)
    lines.push_back((v.view == RegistryView::Bits64 ? "64 " : "32 ") + v.key + " [" + v.name +
                    "] = " + v.text);
  return lines;
}

TEST(ShellMenuRegistration, ThirtyTwoBitWindowsGetsTheClassAndFourPlacesForTheCurrentUser) {
  EXPECT_EQ(ClassIdText(kShellMenuClass), "{9A87D8EF-337F-4226-AF23-0399C02C9132}");
  const std::string id = ClassIdText(kShellMenuClass);
  const std::string key = kClassKey;
  EXPECT_EQ(
      Values(PlanShellMenuRegistration("C:\\Program Files\\Dusklatch", false)),
      (Lines{"32 " + key + " [] = Dusklatch",
             "32 " + key + "\\InprocServer32 [] = C:\\Program Files\\Dusklatch\\DusklatchMenu.dll",
             "32 " + key + "\\InprocServer32 [ThreadingModel] = Apartment",
             "32 Software\\Classes\\*\\shellex\\ContextMenuHandlers\\Dusklatch [] = " + id,
             "32 Software\\Classes\\Directory\\shellex\\ContextMenuHandlers\\Dusklatch [] = " + id,
             "32 Software\\Classes\\Directory\\Background\\shellex\\ContextMenuHandlers\\Dusklatch "
             "[] = " +
                 id,
             "32 Software\\Classes\\Drive\\shellex\\ContextMenuHandlers\\Dusklatch [] = " + id}));
}

TEST(ShellMenuRegistration, SixtyFourBitWindowsGetsTheSixtyFourBitBuildLast) {
  const Lines values = Values(PlanShellMenuRegistration("D:\\", true));
  ASSERT_EQ(values.size(), 14u);
  EXPECT_EQ(values[1],
            "32 " + std::string(kClassKey) + "\\InprocServer32 [] = D:\\DusklatchMenu.dll");
  EXPECT_EQ(values[8],
            "64 " + std::string(kClassKey) + "\\InprocServer32 [] = D:\\DusklatchMenu64.dll");
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(values[i].substr(0, 3), "32 ");
    if (i != 1) {
      EXPECT_EQ(values[i].substr(3), values[i + 7].substr(3));
    }
  }
}

bool Within(const RegistrationKey& inner, const RegistrationKey& outer) {
  return inner.view == outer.view && inner.key.size() > outer.key.size() &&
         inner.key.compare(0, outer.key.size() + 1, outer.key + "\\") == 0;
}

TEST(ShellMenuRegistration, RemovalTakesEveryKeyWrittenAndEachBeforeTheKeyAboveIt) {
  for (bool wow64 : {false, true}) {
    const ShellMenuRegistration plan = PlanShellMenuRegistration("C:\\Dusklatch", wow64);
    // Every key that holds a value goes unconditionally.
    for (const RegistrationValue& value : plan.values) {
      bool removed = false;
      for (const RegistrationKey& key : plan.keys)
        removed = removed || (key.view == value.view && key.key == value.key && !key.onlyIfEmpty);
      EXPECT_TRUE(removed) << value.key;
    }
    for (std::size_t i = 0; i < plan.keys.size(); ++i) {
      // Nothing at or above the user's classes themselves.
      EXPECT_EQ(plan.keys[i].key.rfind("Software\\Classes\\", 0), 0u);
      EXPECT_GT(plan.keys[i].key.size(), std::string("Software\\Classes\\").size());
      for (std::size_t j = i + 1; j < plan.keys.size(); ++j)
        EXPECT_FALSE(Within(plan.keys[j], plan.keys[i]))
            << plan.keys[j].key << " after " << plan.keys[i].key;
    }
  }
  // The keys above ours are shared with the user's own classes: only emptied ones go.
  const ShellMenuRegistration plan = PlanShellMenuRegistration("C:\\Dusklatch", false);
  Lines kept;
  for (const RegistrationKey& key : plan.keys)
    if (key.onlyIfEmpty) kept.push_back(key.key);
  EXPECT_EQ(kept.size(), 13u);
  EXPECT_NE(std::find(kept.begin(), kept.end(), "Software\\Classes\\CLSID"), kept.end());
  EXPECT_NE(std::find(kept.begin(), kept.end(), "Software\\Classes\\Directory"), kept.end());
}

}  // namespace
}  // namespace dusk
