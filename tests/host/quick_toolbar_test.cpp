// The floating toolbar: where its buttons sit, its outline, what each button asks
// for, and the toolbar page's boxes and Save.
#include <gtest/gtest.h>

#include "platform/host/recording_dialogs.h"
#include "platform/host/recording_power.h"
#include "power/power_actions.h"
#include "quick/toolbar.h"
#include "quick/toolbar_options.h"
#include "quick_profile.h"

namespace dusk {
namespace {

TEST(ToolbarGeometry, SevenButtonsInsideTheVisibleOutlineOnAnyScreen) {
  const ToolbarLayout normal = LayOutToolbar(15, 15);
  EXPECT_EQ(normal.width, 361);
  EXPECT_EQ(normal.height, 101);
  const RoundRectSpec& o = normal.outline;
  EXPECT_EQ(
      (std::array<long, 6>{o.left, o.top, o.right, o.bottom, o.ellipseWidth, o.ellipseHeight}),
      (std::array<long, 6>{55, 11, 303, 57, 20, 18}));
  for (int i = 0; i < 7; ++i) {
    const ButtonPlace& b = normal.buttons[i];
    EXPECT_EQ((std::array<int, 4>{b.x, b.y, b.width, b.height}),
              (std::array<int, 4>{64 + 32 * i, 16, 33, 33}));
  }
  // At 120 dots per inch (12 twips per pixel) everything grows alike.
  for (const ToolbarLayout& large :
       {LayOutToolbar(12, 12), LayOutToolbar(12, 15), LayOutToolbar(10, 10)}) {
    EXPECT_LE(large.outline.right, large.width);
    EXPECT_LE(large.outline.bottom, large.height);
    for (const ButtonPlace& b : large.buttons) {
      EXPECT_GT(b.x, large.outline.left);
      EXPECT_GT(b.y, large.outline.top);
      EXPECT_LT(b.x + b.width, large.outline.right);
      EXPECT_LT(b.y + b.height, large.outline.bottom);
    }
  }
  EXPECT_EQ(LayOutToolbar(12, 12).buttons[1].x, 96 * 15 / 12);
}

struct Host : ToolbarHost {
  RecordingPower power;
  RecordingDialogs dialogs;
  int ended = 0;
  PowerApi& Power() override { return power; }
  Dialogs& Messages() override { return dialogs; }
  std::string HibernationFilePath() const override { return "C:\\hiberfil.sys"; }
  void EndProgram() override { ++ended; }
};

std::vector<std::string> Direct(PowerAction action) {
  RecordingPower power;
  PerformPowerAction(power, action, false);
  return power.requests();
}

TEST(ToolbarButtons, EachPowerButtonAsksForItsActionNeverForced) {
  const std::pair<ToolbarCommand, PowerAction> pairs[] = {
      {ToolbarCommand::Shutdown, PowerAction::Shutdown},
      {ToolbarCommand::Restart, PowerAction::Restart},
      {ToolbarCommand::LogOff, PowerAction::LogOff},
      {ToolbarCommand::Lock, PowerAction::Lock},
      {ToolbarCommand::StandBy, PowerAction::StandBy},
      {ToolbarCommand::Hibernate, PowerAction::Hibernate}};
  for (const auto& [command, action] : pairs) {
    Host host;
    host.power.existingFiles.insert("C:\\hiberfil.sys");
    RunToolbarCommand(host, command);
    EXPECT_EQ(host.power.requests(), Direct(action)) << static_cast<int>(command);
    EXPECT_TRUE(host.dialogs.shown().empty());
    EXPECT_EQ(host.ended, 0);
  }
  Host host;
  RunToolbarCommand(host, ToolbarCommand::Shutdown);
  EXPECT_EQ(host.power.requests(),
            (std::vector<std::string>{"privilege on", "ExitWindowsEx 8", "privilege off"}));
}

TEST(ToolbarButtons, HibernateWithoutTheFileOnlyTellsWhy) {
  Host host;
  RunToolbarCommand(host, ToolbarCommand::Hibernate);
  EXPECT_TRUE(host.power.requests().empty());
  ASSERT_EQ(host.dialogs.shown().size(), 1u);
  EXPECT_EQ(host.dialogs.shown()[0].text, kHibernationDisabledMessage);
  EXPECT_EQ(host.dialogs.shown()[0].title, "Dusklatch");
  EXPECT_EQ(host.dialogs.shown()[0].icon, MsgIcon::Critical);
}

TEST(ToolbarButtons, ExitGoesThroughTheProgramsEnding) {
  Host host;
  RunToolbarCommand(host, ToolbarCommand::Exit);
  EXPECT_EQ(host.ended, 1);
  EXPECT_TRUE(host.power.requests().empty());
  EXPECT_EQ(kToolbarButtons[6].tooltip, std::string("Exit"));
}

struct ToolbarPage : ::testing::Test {
  OrderedMemoryProfile profile;
  RecordingDialogs dialogs;
  ToolbarOptions options = LoadToolbarOptions(profile, "config.ini");
  bool Save(bool password = false) {
    return SaveToolbarOptions(options, password, profile, "config.ini", dialogs);
  }
};

TEST_F(ToolbarPage, OnlyTheFirstTwoBoxesComeFromTheFile) {
  EXPECT_FALSE(options[kBoxTop]);
  EXPECT_FALSE(options[kBoxStartup]);
  EXPECT_FALSE(OpensToolbar(options));
  for (int box = kBoxEnabled; box < kToolbarBoxCount; ++box) EXPECT_TRUE(options[box]) << box;

  profile.values = {
      {"Toolbar/Toolbar_Top", "1"}, {"Toolbar/Toolbar_Startup", "1"}, {"Toolbar/THibernate", "0"}};
  options = LoadToolbarOptions(profile, "config.ini");
  EXPECT_TRUE(OpensToolbar(options));
  EXPECT_TRUE(ToolbarOnTop(options));
  EXPECT_TRUE(options[kBoxHibernate]) << "never read back";
  options[kBoxStartup] = false;
  EXPECT_FALSE(ToolbarOnTop(options)) << "on top only for a toolbar opened at start-up";
}

TEST_F(ToolbarPage, SaveNeedsStartupOrPasswordProtection) {
  EXPECT_FALSE(Save());
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "Please select at least one option ");
  EXPECT_EQ(dialogs.shown()[0].icon, MsgIcon::Critical);
  EXPECT_EQ(dialogs.shown()[0].buttons, MsgButtons::Ok);
  options[kBoxTop] = true;  // on top alone is not enough
  EXPECT_FALSE(Save());
  EXPECT_TRUE(profile.writes.empty());

  EXPECT_TRUE(Save(true));
  options[kBoxHibernate] = false;
  options[kBoxStartup] = true;
  profile.writes.clear();
  EXPECT_TRUE(Save());
  EXPECT_EQ(profile.writes, (std::vector<std::string>{
                                "Toolbar/Toolbar_Top=1", "Toolbar/Toolbar_Startup=1",
                                "Toolbar/Toolbar_Enabled=1", "Toolbar/TShutdown=1",
                                "Toolbar/TRestart=1", "Toolbar/TLogOff=1", "Toolbar/TStandBy=1",
                                "Toolbar/THibernate=0", "Toolbar/TLock=1", "Toolbar/TExit=1"}));
  EXPECT_EQ(dialogs.shown().back().text, "Settings have been saved !!");
  EXPECT_EQ(dialogs.shown().back().icon, MsgIcon::Information);
}

TEST_F(ToolbarPage, SelectAllAndNoneLeaveThePowerActionBoxesAlone) {
  options.fill(false);
  options[kBoxRestart] = true;
  SelectAllToolbarBoxes(options);
  EXPECT_EQ(options,
            (ToolbarOptions{true, true, true, false, true, false, false, false, false, true}));
  options.fill(true);
  options[kBoxLock] = false;
  SelectNoToolbarBoxes(options);
  // Enable Toolbar stays ticked.
  EXPECT_EQ(options,
            (ToolbarOptions{false, false, true, true, true, true, true, true, false, false}));
}

}  // namespace
}  // namespace dusk
