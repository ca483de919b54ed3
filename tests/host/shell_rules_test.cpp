// The tray tip, the tray's mouse codes, the navigation pictures and the closing order.
#include <gtest/gtest.h>

#include "app/closing_order.h"
#include "app/exit_origin.h"
#include "app/page_navigation.h"
#include "app/tray_tip.h"
#include "app/web_links.h"

namespace dusk {
namespace {

TEST(TrayTip, IsFilledWithSpacesAndAlwaysKeepsItsTerminator) {
  const std::string idle = PadTrayTip(kIdleTrayTip);
  ASSERT_EQ(idle.size(), kTrayTipBytes - 1);
  EXPECT_EQ(idle.substr(0, 13), "No Action Set");
  EXPECT_EQ(idle.find_first_not_of(' ', 13), std::string::npos);

  const std::string longTip = "Shutdown On " + std::string(80, '9');
  EXPECT_EQ(PadTrayTip(longTip), longTip.substr(0, kTrayTipBytes - 1));
  EXPECT_EQ(PadTrayTip(""), std::string(kTrayTipBytes - 1, ' '));
}

TEST(TrayCallback, OnlyDoubleClickAndRightReleaseMeanSomething) {
  EXPECT_EQ(DecodeTrayCallback(515), TrayMouse::DoubleClick);
  EXPECT_EQ(DecodeTrayCallback(517), TrayMouse::RightButtonUp);
  for (std::uint32_t other : {512u, 513u, 514u, 516u, 518u, 0u})
    EXPECT_EQ(DecodeTrayCallback(other), TrayMouse::None) << other;
  // A real mouse move over the window at x = 3, y = 2 is not a tray event.
  EXPECT_EQ(DecodeTrayCallback((2u << 16) | 515u), TrayMouse::None);
}

TEST(Navigation, EntriesLeadToTheirPagesTopToBottom) {
  const int pages[] = {1, 7, 2, 3, 5, 4, 6, 0};
  const char* captions[] = {"Main", "Schedule", "Cleanup", "Settings", "Hotkeys", "Toolbar", "Password", "About"};
  for (std::size_t i = 0; i < kNavigationEntries.size(); ++i) {
    EXPECT_EQ(kNavigationEntries[i].page, pages[i]);
    EXPECT_STREQ(kNavigationEntries[i].caption, captions[i]);
  }
}

TEST(Navigation, OnlyTheLeftButtonChangesPicturesButAnyReleaseSwitchesPage) {
  const NavigationEntry& schedule = kNavigationEntries[1];
  EXPECT_EQ(PressEntry(schedule, MouseButton::Left).picture, SkinPicture::EntryPressed);
  EXPECT_FALSE(PressEntry(schedule, MouseButton::Left).page);
  EXPECT_EQ(ReleaseEntry(schedule, MouseButton::Left).picture, SkinPicture::EntryReleased);
  EXPECT_EQ(ReleaseEntry(schedule, MouseButton::Left).page, 7);

  for (MouseButton other : {MouseButton::Right, MouseButton::Middle}) {
    EXPECT_FALSE(PressEntry(schedule, other).picture);
    EXPECT_FALSE(PressEntry(schedule, other).page);
    EXPECT_FALSE(ReleaseEntry(schedule, other).picture);
    EXPECT_EQ(ReleaseEntry(schedule, other).page, 7);
  }
  EXPECT_EQ(ReleaseEntry(kNavigationEntries[7], MouseButton::Right).page, 0);  // About
}

TEST(Navigation, WindowButtonsShowPressedAndReleasedPictures) {
  EXPECT_EQ(PressWindowButton(true, MouseButton::Left), SkinPicture::ClosePressed);
  EXPECT_EQ(ReleaseWindowButton(true, MouseButton::Left), SkinPicture::CloseReleased);
  EXPECT_EQ(PressWindowButton(false, MouseButton::Left), SkinPicture::MinimizePressed);
  EXPECT_EQ(ReleaseWindowButton(false, MouseButton::Left), SkinPicture::MinimizeReleased);
  EXPECT_FALSE(PressWindowButton(true, MouseButton::Right));
  EXPECT_FALSE(ReleaseWindowButton(false, MouseButton::Middle));
}

TEST(ClosingOrder, TheTrayClosesEveryWindowTheToolbarOnlyTheFrame) {
  const std::vector<std::string> frame{"frmMain1", "frmAbout", "frmSkinTray"};
  EXPECT_EQ(ClosingOrder(ExitOrigin::Toolbar), frame);
  std::vector<std::string> tray = frame;
  for (const char* name : {"Schedule", "hotkey", "timeleft", "toolfrm", "validate", "Form1", "Form2", "Form3", "Form4"})
    tray.emplace_back(name);
  EXPECT_EQ(ClosingOrder(ExitOrigin::TrayMenu), tray);
}

TEST(WebLinks, PointAtPagesOfTheMakersSite) {
  EXPECT_EQ(WebLinkAddress(WebLinkById(401)),
            "http://www.dusklatch.example/index.php?option=com_content&view=article&id=46&Itemid=30");
  EXPECT_EQ(WebLinkAddress(WebLinkById(403)), "http://www.dusklatch.example/index.php?option=com_fireboard&Itemid=2");
  EXPECT_EQ(WebLinkAddress(WebLinkById(408)), "http://www.dusklatch.example/");
  EXPECT_TRUE(IsWebLink(405));
  EXPECT_FALSE(IsWebLink(303));
}

}  // namespace
}  // namespace dusk
