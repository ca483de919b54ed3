// The real main window under Wine: how it comes up, its pages, hiding and closing.
#include <gtest/gtest.h>

#include <string>

#include "main_frame_fixture.h"
#include "window_probe.h"
#include "app/form_position.h"
#include "app/tray_tip.h"
#include "app/win/main_window_ids.h"
#include "app/win/skin_area.h"
#include "app/win/tray_icon.h"
#include "app/win/window_class.h"
#include "widgets/win/block_progress_bar.h"

namespace dusk {
namespace {

class MainWindowTest : public MainFrameFixture {
 protected:
  void SetUp() override { CreateMainFrame("D:\\Users\\me\\Start Menu"); }

  bool Visible(Page page) { return (GetWindowLongA(main->PageWindow(page), GWL_STYLE) & WS_VISIBLE) != 0; }
  HWND Entry(int index) { return GetDlgItem(GetDlgItem(main->MainWindow(), ids::kNavigationColumn),
                                            ids::kNavigationEntry + index); }
  void Mouse(HWND control, UINT message) { SendMessageA(control, message, 0, MAKELPARAM(5, 5)); }
  void OnlyPageVisible(Page page) {
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(Visible(static_cast<Page>(i)), i == static_cast<int>(page)) << i;
  }
};

TEST_F(MainWindowTest, ComesUpHiddenBorderlessOnTheMainPageWithTheIdleTrayIcon) {
  HWND hwnd = main->MainWindow();
  char cls[32] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  EXPECT_STREQ(cls, "frmMain1");
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION, 0);
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 500);
  EXPECT_EQ(client.bottom, 433);
  OnlyPageVisible(Page::Main);
  ASSERT_NE(main->Tray(), nullptr);
  EXPECT_TRUE(main->Tray()->added());
  EXPECT_EQ(main->Tray()->record().cbSize, 88u);
  EXPECT_EQ(main->Tray()->record().uFlags, 7u);
  EXPECT_EQ(main->Tray()->record().uCallbackMessage, 512u);
  EXPECT_EQ(main->Tray()->tip(), PadTrayTip("No Action Set"));
  EXPECT_EQ(main->HibernationFilePath(), "D:\\hiberfil.sys");
  char status[32] = {};
  GetDlgItemTextA(hwnd, ids::kStatus, status, sizeof status);
  EXPECT_STREQ(status, "Timer Disabled");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MainWindowTest, NavigationSwitchesPagesAndOnlyTheLeftButtonMovesThePicture) {
  HWND schedule = Entry(1);
  Mouse(schedule, WM_RBUTTONDOWN);
  Mouse(schedule, WM_RBUTTONUP);
  OnlyPageVisible(Page::Schedule);
  EXPECT_EQ(SkinAreaPicture(schedule), 15);

  HWND cleanup = Entry(2);
  Mouse(cleanup, WM_LBUTTONDOWN);
  EXPECT_EQ(SkinAreaPicture(cleanup), 14);
  OnlyPageVisible(Page::Schedule);
  Mouse(cleanup, WM_LBUTTONUP);
  EXPECT_EQ(SkinAreaPicture(cleanup), 15);
  OnlyPageVisible(Page::Cleanup);
}

TEST_F(MainWindowTest, DoubleClickShowsTheLastPageAndCloseRequestsOnlyHide) {
  main->ShowPage(Page::Password);
  SendMessageA(main->MainWindow(), WM_MOUSEMOVE, 0, 515);
  EXPECT_TRUE(IsWindowVisible(main->MainWindow()));
  OnlyPageVisible(Page::Password);

  SendMessageA(main->MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(IsWindow(main->MainWindow()));
  EXPECT_FALSE(IsWindowVisible(main->MainWindow()));
  EXPECT_TRUE(main->Tray()->added());

  main->ShowMainWindow();
  EXPECT_EQ(SendMessageA(main->MainWindow(), kEscapePressed, 0, 0), 1);
  EXPECT_FALSE(IsWindowVisible(main->MainWindow()));
}

TEST_F(MainWindowTest, OnlyTheEndOfTheSessionEndsTheProgram) {
  MSG quit;
  SendMessageA(main->MainWindow(), WM_ENDSESSION, FALSE, 0);  // another program refused
  EXPECT_TRUE(IsWindow(main->MainWindow()));
  EXPECT_TRUE(main->Tray()->added());
  EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

  EXPECT_NE(SendMessageA(main->MainWindow(), WM_QUERYENDSESSION, 0, 0), 0);  // never holds Windows up
  SendMessageA(main->MainWindow(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(main->MainWindow(), nullptr);
  EXPECT_FALSE(main->Tray()->added());
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

TEST_F(MainWindowTest, TheKeyboardReachesTheEntriesAndThePages) {
  main->ShowMainWindow();
  // Shown, the window gives the focus to the first control of its page.
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), 1101) << "the action list";
  HWND settings = Entry(3);
  EXPECT_NE(GetWindowLongA(settings, GWL_STYLE) & WS_TABSTOP, 0);
  SetFocus(settings);
  SendMessageA(settings, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(SkinAreaPicture(settings), 14);
  OnlyPageVisible(Page::Main);
  SendMessageA(settings, WM_KEYDOWN, VK_SPACE, 1 << 30);  // held: repeats press nothing more
  SendMessageA(settings, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(SkinAreaPicture(settings), 15);
  OnlyPageVisible(Page::Settings);
  SendMessageA(Entry(0), WM_KEYUP, VK_RETURN, 0);  // an Enter that went down elsewhere
  OnlyPageVisible(Page::Settings);

  // The focus never stays on a page that goes.
  HWND onSettings = GetNextDlgTabItem(main->PageWindow(Page::Settings), nullptr, FALSE);
  ASSERT_NE(onSettings, nullptr);
  SetFocus(onSettings);
  main->ShowPage(Page::Main);
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), 1101);
  // Hidden and shown again, the window gives the focus back where it was.
  HWND button = FindControl(main->MainWindow(), 1130);
  SetFocus(button);
  main->HideMainWindow();
  main->ShowMainWindow();
  EXPECT_EQ(GetFocus(), button);
  main->HideMainWindow();
}

TEST_F(MainWindowTest, TipAndIconChangesAreKeptInTheRecord) {
  main->SetTrayTip("Shutdown On 12/09/2026 11:30:00 PM");
  EXPECT_EQ(main->Tray()->tip(), PadTrayTip("Shutdown On 12/09/2026 11:30:00 PM"));
  main->SetTrayIconShown(false);
  EXPECT_EQ(main->Tray()->record().hIcon, nullptr);
  main->SetTrayIconShown(true);
  EXPECT_NE(main->Tray()->record().hIcon, nullptr);
}

TEST_F(MainWindowTest, AnsweringNoToExitChangesNothing) {
  dialogs.QueueAnswer(MsgResult::No);
  main->EndProgram(ExitOrigin::TrayMenu);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "Do you really want to exit ?");
  EXPECT_EQ(dialogs.shown()[0].title, "Dusklatch");
  EXPECT_TRUE(main->Tray()->added());
  EXPECT_TRUE(IsWindow(main->MainWindow()));
}

TEST_F(MainWindowTest, WorkingWindowComesOnTopWithoutTakingTheFocusAndHidesAgain) {
  main->ShowWorkingWindow();
  HWND working = FindWindowA("Form4", nullptr);
  ASSERT_NE(working, nullptr);
  EXPECT_TRUE(IsWindowVisible(working));
  EXPECT_NE(GetWindowLongA(working, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  char text[64] = {};
  GetDlgItemTextA(working, 10, text, sizeof text);
  EXPECT_STREQ(text, "Please wait  Working ............");
  EXPECT_TRUE(BlockProgressEnabled(GetDlgItem(working, 11)));
  RECT bar;
  GetClientRect(GetDlgItem(working, 11), &bar);
  EXPECT_EQ(bar.right, 481);
  EXPECT_EQ(BlockProgressProperties(GetDlgItem(working, 11)).follow_color, 12640511u);
  main->HideWorkingWindow();
  EXPECT_FALSE(IsWindowVisible(working));
  EXPECT_FALSE(BlockProgressEnabled(GetDlgItem(working, 11)));  // no animation while hidden
  main->ShowWorkingWindow();
  EXPECT_EQ(FindWindowA("Form4", nullptr), working);  // created once
  main->HideWorkingWindow();
}

TEST_F(MainWindowTest, MouseMovesSaveThePositionAndARestartedShellGetsTheIconBack) {
  SetWindowPos(main->MainWindow(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageA(main->MainWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  const std::string x = PositionKeyX("frmMain1");
  EXPECT_TRUE(registry.QueryValue(RegRoot::CurrentUser, "Software\\Dusklatch\\Settings", x).has_value());
}

// Asks the shell itself about the program's icon: a change to an icon it does not
// hold is refused.
bool ShellHoldsIcon(HWND owner) {
  NOTIFYICONDATAA probe{};
  probe.cbSize = TrayIcon::kRecordSize;
  probe.hWnd = owner;
  probe.uID = 1;
  return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

TEST_F(MainWindowTest, TaskbarCreatedAddsTheIconAgain) {
  HWND hwnd = main->MainWindow();
  ASSERT_TRUE(ShellHoldsIcon(hwnd));
  // A restarted shell has forgotten every icon.
  NOTIFYICONDATAA forget{};
  forget.cbSize = TrayIcon::kRecordSize;
  forget.hWnd = hwnd;
  forget.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &forget));
  ASSERT_FALSE(ShellHoldsIcon(hwnd));

  SendMessageA(hwnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(ShellHoldsIcon(hwnd));
  EXPECT_EQ(main->Tray()->tip(), PadTrayTip("No Action Set"));
}

}  // namespace
}  // namespace dusk
