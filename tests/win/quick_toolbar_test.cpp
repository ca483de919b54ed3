// The floating toolbar and its page on real windows: opened at start-up by the
// settings, its outline, buttons and tooltips, where it is put and remembered, what
// each button asks for, and the page's Save, Select All and Select None.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "app/form_position.h"
#include "app/user_settings.h"
#include "app/win/hwnd_position.h"
#include "power/power_actions.h"
#include "quick/toolbar.h"
#include "quick/toolbar_options.h"
#include "quick/win/quick_ids.h"
#include "quick_fake_shell.h"
#include "window_probe.h"

namespace dusk {
namespace {

struct QuickToolbar : ::testing::Test {
  QuickFakeShell shell;
  void Create() { shell.part = CreateToolbarPart(shell, shell.picture4); }
  void Open(const char* onTop = "0") {
    shell.WriteSetting("Toolbar", "Toolbar_Startup", "1");
    shell.WriteSetting("Toolbar", "Toolbar_Top", onTop);
    Create();
  }
  HWND Toolbar() { return FindWindowA("toolfrm", nullptr); }
  HWND Button(int index) { return FindControl(Toolbar(), kToolbarButton + index); }
  HWND Box(int index) { return FindControl(shell.picture4, kToolbarBox + index); }
  bool Ticked(int index) { return SendMessageA(Box(index), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  std::string Stored(const char* key) {
    return UserSettings(shell.registry)
        .Get("Dusklatch", "Settings", std::string("toolfrm ") + key)
        .value_or("");
  }
};

TEST_F(QuickToolbar, OpensAtStartupOnlyWhenTheSettingsSaySo) {
  shell.WriteSetting("Toolbar", "Toolbar_Top", "1");
  Create();
  EXPECT_FALSE(Toolbar());
  EXPECT_TRUE(Ticked(kBoxTop));
  EXPECT_FALSE(Ticked(kBoxStartup));
  EXPECT_TRUE(Ticked(kBoxHibernate)) << "the buttons' boxes come up ticked";
}

TEST_F(QuickToolbar, ABorderlessRoundedBandWithSevenPictureButtons) {
  Open();
  HWND toolbar = Toolbar();
  ASSERT_TRUE(toolbar);
  EXPECT_TRUE(IsWindowVisible(toolbar));
  EXPECT_EQ(Text(toolbar), "ShapedForm");
  EXPECT_FALSE(GetWindowLongA(toolbar, GWL_EXSTYLE) & WS_EX_TOPMOST) << "on top only when asked";
  RECT frame;
  GetWindowRect(toolbar, &frame);
  EXPECT_EQ(frame.right - frame.left, 361);
  EXPECT_EQ(frame.bottom - frame.top, 101);
  RECT box;
  ASSERT_NE(GetWindowRgnBox(toolbar, &box), ERROR);
  const RoundRectSpec o = LayOutToolbar(TwipsPerPixelX(), TwipsPerPixelY()).outline;
  EXPECT_EQ(box.left, o.left);
  EXPECT_EQ(box.top, o.top);
  EXPECT_LE(box.right, o.right);
  EXPECT_GE(box.right, o.right - 1);

  HWND tips = nullptr;
  for (HWND w = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); w && !tips;
       w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr))
    if (GetWindow(w, GW_OWNER) == toolbar) tips = w;
  ASSERT_TRUE(tips);
  for (int i = 0; i < 7; ++i) {
    HWND button = Button(i);
    ASSERT_TRUE(button) << i;
    EXPECT_EQ(ClassOf(button), "CandyButton");
    EXPECT_EQ(Text(button), "") << "pictures only";
    RECT r;
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, toolbar, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 64 + 32 * i);
    EXPECT_EQ(r.top, 16);
    EXPECT_EQ(r.right - r.left, 33);
    char text[64] = "";
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = toolbar;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = text;
    SendMessageA(tips, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::string(text), kToolbarButtons[i].tooltip);
  }
}

TEST_F(QuickToolbar, OnTopWhenBothOptionsAreTicked) {
  Open("1");
  EXPECT_TRUE(GetWindowLongA(Toolbar(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(QuickToolbar, TheKeyboardReachesEveryButton) {
  Open();
  SetActiveWindow(shell.main);
  SetActiveWindow(Toolbar());
  EXPECT_EQ(GetFocus(), Button(0)) << "activated, the first button takes the focus";
  SendMessageA(Toolbar(), WM_NEXTDLGCTL, 0, 0);  // Tab, as the message loop hands it on
  EXPECT_EQ(GetFocus(), Button(1));
  SendMessageA(Toolbar(), WM_NEXTDLGCTL, 1, 0);
  SendMessageA(Toolbar(), WM_NEXTDLGCTL, 1, 0);
  EXPECT_EQ(GetFocus(), Button(6)) << "back from the first to the last";
}

TEST_F(QuickToolbar, ComesBackWhereItWasLeftAndRemembersAMove) {
  UserSettings store(shell.registry);
  store.Save("Dusklatch", "Settings", "toolfrm StartUp_Xpos",
             std::to_string(100 * TwipsPerPixelX()));
  store.Save("Dusklatch", "Settings", "toolfrm StartUp_Ypos",
             std::to_string(40 * TwipsPerPixelY()));
  Open();
  RECT r;
  GetWindowRect(Toolbar(), &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 40);

  // Dragged elsewhere: stored once the move ends, and only then.
  SetWindowPos(Toolbar(), nullptr, 220, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(Stored("StartUp_Xpos"), std::to_string(100 * TwipsPerPixelX()));
  SendMessageA(Toolbar(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(Stored("StartUp_Xpos"), std::to_string(220 * TwipsPerPixelX()));
  EXPECT_EQ(Stored("StartUp_Ypos"), std::to_string(300 * TwipsPerPixelY()));
}

TEST_F(QuickToolbar, EachButtonAsksForItsActionAndExitEndsTheProgram) {
  Open();
  auto requests = [&](int index) {
    shell.power.sink = nullptr;
    const std::size_t before = shell.power.requests().size();
    SendClick(Button(index));
    std::vector<std::string> made(shell.power.requests().begin() + before,
                                  shell.power.requests().end());
    return made;
  };
  auto direct = [](PowerAction action) {
    RecordingPower power;
    PerformPowerAction(power, action, false);
    return power.requests();
  };
  EXPECT_EQ(requests(0), direct(PowerAction::Shutdown));
  EXPECT_EQ(requests(1), direct(PowerAction::Restart));
  EXPECT_EQ(requests(2), direct(PowerAction::LogOff));
  EXPECT_EQ(requests(4), direct(PowerAction::Lock));
  EXPECT_EQ(requests(5), direct(PowerAction::StandBy));
  EXPECT_TRUE(shell.dialogs.shown().empty());

  EXPECT_TRUE(requests(3).empty()) << "no hibernation file";
  ASSERT_EQ(shell.dialogs.shown().size(), 1u);
  EXPECT_EQ(shell.dialogs.shown()[0].text, kHibernationDisabledMessage);
  shell.power.existingFiles.insert("C:\\hiberfil.sys");
  EXPECT_EQ(requests(3), direct(PowerAction::Hibernate));

  EXPECT_TRUE(shell.endings.empty());
  EXPECT_TRUE(requests(6).empty());
  ASSERT_EQ(shell.endings.size(), 1u);
  EXPECT_EQ(shell.endings[0], ExitOrigin::Toolbar);
}

TEST_F(QuickToolbar, PageSaveNeedsStartupOrPasswordProtection) {
  Create();
  SendClick(FindControl(shell.picture4, kToolbarSave));
  EXPECT_EQ(shell.dialogs.shown().back().text, "Please select at least one option ");
  EXPECT_EQ(shell.Setting("Toolbar", "Toolbar_Enabled"), "");

  shell.protectionTicked = true;
  SendMessageA(Box(kBoxHibernate), BM_CLICK, 0, 0);
  SendClick(FindControl(shell.picture4, kToolbarSave));
  EXPECT_EQ(shell.dialogs.shown().back().text, "Settings have been saved !!");
  EXPECT_EQ(shell.Setting("Toolbar", "Toolbar_Startup"), "0");
  EXPECT_EQ(shell.Setting("Toolbar", "THibernate"), "0");
  EXPECT_EQ(shell.Setting("Toolbar", "TExit"), "1");
  EXPECT_FALSE(Toolbar()) << "saving opens no toolbar";
}

// The boxes show what Select All and Select None leave, and Save writes what they show.
TEST_F(QuickToolbar, PageBoxesFollowSelectAllAndNone) {
  Create();
  SendMessageA(Box(kBoxRestart), BM_CLICK, 0, 0);
  SendClick(FindControl(shell.picture4, kToolbarSelectAll));
  EXPECT_TRUE(Ticked(kBoxStartup));
  SendClick(FindControl(shell.picture4, kToolbarSelectNone));
  EXPECT_FALSE(Ticked(kBoxExit));
  SendMessageA(Box(kBoxStartup), BM_CLICK, 0, 0);
  SendClick(FindControl(shell.picture4, kToolbarSave));
  EXPECT_EQ(shell.Setting("Toolbar", "TRestart"), "0");
  EXPECT_EQ(shell.Setting("Toolbar", "Toolbar_Top"), "0");
  EXPECT_EQ(shell.Setting("Toolbar", "Toolbar_Startup"), "1");
  EXPECT_EQ(shell.Setting("Toolbar", "TExit"), "0");
}

}  // namespace
}  // namespace dusk
