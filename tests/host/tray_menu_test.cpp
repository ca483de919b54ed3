// The tray menu's items, their shown texts and pictures, what each command does and
// which commands the running system offers.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/app_identity.h"
#include "app/tray_menu_commands.h"
#include "app/tray_menu_items.h"
#include "platform/host/recording_dialogs.h"
#include "platform/host/recording_power.h"

namespace dusk {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> Texts(const std::vector<TrayMenuItem>& items) {
  std::vector<std::string> texts;
  for (const TrayMenuItem& item : items) texts.push_back(SplitCaption(item.caption).text);
  return texts;
}

const TrayMenuItem& Item(TrayCommand command) {
  for (const TrayMenuItem& item : TrayMenuTopItems())
    if (item.command == command) return item;
  throw std::runtime_error("no such item");
}

TEST(TrayMenuCaptions, ShowOnlyTheTextBeforeTheFirstBar) {
  EXPECT_EQ(Texts(TrayMenuTopItems()),
            (Lines{"About", "Clear Privacy data", "Shutdown", "Restart", "StandBy", "Hibernate", "Log off",
                   "Lock computer", "Add a schedule", "Open Main window", "Exit"}));
  EXPECT_EQ(Texts(TrayMenuCleaningItems()),
            (Lines{"Delete All", "Clear Temporary Files", "Empty Recycle Bin", "Erase Recent Document List",
                   "Clear typed URLs in IE", "Delete history of IE", "Clear Windows Media Player History",
                   "Clear cookies", "Clear Painbrush History"}));
  const CaptionParts about = SplitCaption("About||#info");
  EXPECT_EQ(about.text, "About");
  EXPECT_EQ(about.description, "");
  EXPECT_EQ(about.pictureKey, "info");
  const CaptionParts clr = SplitCaption("Clear Privacy data|@Clear Privacy Data|#checkxp");
  EXPECT_EQ(clr.description, "Clear Privacy Data");
  EXPECT_EQ(clr.pictureKey, "checkxp");
  // Odd captions: no bars at all, a key first, a key with more after it.
  EXPECT_EQ(SplitCaption("Plain").text, "Plain");
  EXPECT_EQ(SplitCaption("Plain").pictureKey, "");
  EXPECT_EQ(SplitCaption("|#shut").text, "");
  EXPECT_EQ(SplitCaption("X|#shut|@later").pictureKey, "shut");
  EXPECT_EQ(SplitCaption("X|#shut|@later").description, "later");
}

TEST(TrayMenuCaptions, EveryItemFindsItsPicture) {
  const Lines expected = {"info ", "checkxp", "shut", "Restart", "standby", "hiber", "logoff", "lock", "sch",
                          "home", "exit"};
  const auto& top = TrayMenuTopItems();
  ASSERT_EQ(top.size(), expected.size());
  for (std::size_t i = 0; i < top.size(); ++i) {
    const auto index = TrayPictureIndex(SplitCaption(top[i].caption).pictureKey);
    ASSERT_TRUE(index) << top[i].name;
    EXPECT_EQ(TrayPictureKeys()[*index], expected[i]) << top[i].name;
  }
  const Lines cleaning = {"del", "new", "rec1", "star", "ie", "hist", "arr1", "coo", "pai1"};
  for (std::size_t i = 0; i < cleaning.size(); ++i) {
    const auto index = TrayPictureIndex(SplitCaption(TrayMenuCleaningItems()[i].caption).pictureKey);
    ASSERT_TRUE(index) << i;
    EXPECT_EQ(TrayPictureKeys()[*index], cleaning[i]);
  }
  EXPECT_EQ(TrayPictureKeys().size(), 28u);
  EXPECT_FALSE(TrayPictureIndex("nothing"));
  EXPECT_FALSE(TrayPictureIndex(""));
  EXPECT_FALSE(TrayPictureIndex(" "));
  EXPECT_FALSE(TrayPictureIndex("restart"));  // keys keep their case
}

class TrayCommands : public ::testing::Test, public TrayCommandHost {
 protected:
  PowerApi& Power() override { return power; }
  Dialogs& Messages() override { return dialogs; }
  std::string HibernationFilePath() const override { return "C:\\hiberfil.sys"; }
  void OpenAbout() override { calls.push_back("about"); }
  void OpenMainPage() override { calls.push_back("main page"); }
  void OpenSchedulePage() override { calls.push_back("schedule page"); }
  void RunCleaning(CleaningCommand command) override {
    calls.push_back("clean " + std::to_string(static_cast<int>(command)));
  }
  void EndProgram() override { calls.push_back("end"); }

  Lines Run(TrayCommand command) {
    RunTrayCommand(*this, Item(command));
    return power.requests();
  }

  RecordingPower power;
  RecordingDialogs dialogs;
  Lines calls;
};

TEST_F(TrayCommands, PowerCommandsActAtOnceUnforced) {
  EXPECT_EQ(Run(TrayCommand::Shutdown), (Lines{"privilege on", "ExitWindowsEx 8", "privilege off"}));
  power = RecordingPower{};
  EXPECT_EQ(Run(TrayCommand::Restart), (Lines{"privilege on", "ExitWindowsEx 2", "privilege off"}));
  power = RecordingPower{};
  EXPECT_EQ(Run(TrayCommand::LogOff), (Lines{"privilege on", "ExitWindowsEx 0", "privilege off"}));
  power = RecordingPower{};
  EXPECT_EQ(Run(TrayCommand::StandBy), (Lines{"privilege on", "SetSuspendState 0 0 0", "privilege off"}));
  power = RecordingPower{};
  EXPECT_EQ(Run(TrayCommand::Lock), (Lines{"LockWorkStation"}));
  power = RecordingPower{};
  power.existingFiles.insert("C:\\hiberfil.sys");
  EXPECT_EQ(Run(TrayCommand::Hibernate), (Lines{"privilege on", "SetSuspendState 1 0 0", "privilege off"}));
  EXPECT_TRUE(dialogs.shown().empty());  // no confirmation, no message
  EXPECT_TRUE(calls.empty());            // and no password: the program's end is never asked for
}

TEST_F(TrayCommands, HibernateWithoutTheFileOnlyTellsWhy) {
  power.existingFiles.insert("D:\\hiberfil.sys");  // another drive does not count
  EXPECT_EQ(Run(TrayCommand::Hibernate), Lines{});
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, kHibernationDisabledMessage);
  EXPECT_EQ(dialogs.shown()[0].title, kAppTitle);
  EXPECT_EQ(dialogs.shown()[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(dialogs.shown()[0].icon, MsgIcon::Critical);
  EXPECT_TRUE(dialogs.shown()[0].text.find("-->Enable Hibernation.Now click") != std::string::npos);
}

TEST_F(TrayCommands, WindowAndCleaningCommandsGoToTheProgram) {
  for (TrayCommand c : {TrayCommand::About, TrayCommand::AddSchedule, TrayCommand::OpenMainWindow,
                        TrayCommand::ClearPrivacyData, TrayCommand::Exit})
    RunTrayCommand(*this, Item(c));
  for (const TrayMenuItem& item : TrayMenuCleaningItems()) RunTrayCommand(*this, item);
  EXPECT_EQ(calls, (Lines{"about", "schedule page", "main page", "end", "clean 0", "clean 1", "clean 2", "clean 3",
                          "clean 4", "clean 5", "clean 6", "clean 7", "clean 8"}));
  EXPECT_TRUE(power.requests().empty());
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST(TrayMenuAvailability, FollowsWhatTheSystemAllows) {
  struct Row {
    OsVersionNumbers version;
    bool standBy, lock;
  };
  const Row rows[] = {
      {{2, 5, 1}, true, true},    // XP
      {{2, 5, 0}, true, true},    // 2000
      {{2, 6, 0}, false, false},  // later versions refuse both
      {{2, 5, 2}, false, false},
      {{1, 4, 10}, true, false},  // 98
      {{2, 4, 0}, false, false},  // NT 4
      {{1, 4, 0}, false, false},  // 95
  };
  for (const Row& row : rows) {
    RecordingPower power;
    power.version = row.version;
    const OsVersionInfo os = GetOsVersionInfo(power);
    const std::string at = std::to_string(row.version.major) + "." + std::to_string(row.version.minor);
    EXPECT_EQ(TrayCommandAvailable(TrayCommand::StandBy, os), row.standBy) << at;
    EXPECT_EQ(TrayCommandAvailable(TrayCommand::Hibernate, os), row.standBy) << at;
    EXPECT_EQ(TrayCommandAvailable(TrayCommand::Lock, os), row.lock) << at;
    // What the menu offers is exactly what the power code would carry out.
    EXPECT_EQ(LockComputer(power), row.lock) << at;
    EXPECT_EQ(SuspendMachine(power, 0, false, false), row.standBy) << at;
    for (TrayCommand c : {TrayCommand::Shutdown, TrayCommand::Restart, TrayCommand::LogOff, TrayCommand::About,
                          TrayCommand::ClearPrivacyData, TrayCommand::AddSchedule, TrayCommand::OpenMainWindow,
                          TrayCommand::Exit, TrayCommand::Clean})
      EXPECT_TRUE(TrayCommandAvailable(c, os)) << at;
  }
}

TEST(TrayMenuKeys, ALetterChoosesTheOnlyMatchOrStepsThroughSeveral) {
  const std::vector<MenuKeyItem> items = {{"About", true},  {"Clear Privacy data", true}, {"", true},
                                          {"Shutdown", true}, {"StandBy", true},          {"Lock computer", false},
                                          {"Exit", true}};
  EXPECT_EQ(ChooseByKey(items, 'e', -1).position, 6);
  EXPECT_TRUE(ChooseByKey(items, 'E', -1).execute);
  EXPECT_EQ(ChooseByKey(items, 'l', -1).position, -1);  // only a greyed item starts with it
  EXPECT_EQ(ChooseByKey(items, 'x', 3).position, -1);
  MenuKeyChoice s = ChooseByKey(items, 's', -1);
  EXPECT_EQ(s.position, 3);
  EXPECT_FALSE(s.execute);
  EXPECT_EQ(ChooseByKey(items, 'S', 3).position, 4);
  EXPECT_EQ(ChooseByKey(items, 's', 4).position, 3);  // wraps round
}

}  // namespace
}  // namespace dusk
