// The countdown's "In" and "At" options on the real main window, driven by the keys
// as the program's message loop delivers them.
#include <gtest/gtest.h>
#include <windows.h>

#include "main_frame_fixture.h"
#include "window_probe.h"
#include "app/win/program.h"
#include "app/win/window_class.h"
#include "timer/win/timer_page.h"

namespace dusk {
namespace {

constexpr UINT kKeysDone = WM_APP + 9;
bool keysDone = false;

LRESULT CALLBACK KeysDoneProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kKeysDone) keysDone = true;
  return DefWindowProcA(window, msg, wp, lp);
}

class CountdownOptionKeys : public MainFrameFixture {
 protected:
  void SetUp() override {
    CreateMainFrame();
    main->ShowMainWindow();
    in = FindControl(main->MainWindow(), kOptIn);
    at = FindControl(main->MainWindow(), kOptAt);
    ASSERT_TRUE(in && at);
    RegisterWindowClass("CountdownKeysDone", KeysDoneProc, nullptr);
    marker = CreateWindowExA(0, "CountdownKeysDone", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override {
    DestroyWindow(marker);
    MainFrameFixture::TearDown();
  }

  // Presses the key on the focused control and runs the program's loop over it.
  void Press(WPARAM key) {
    keysDone = false;
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
    PostMessageA(GetFocus(), WM_KEYUP, key, 0);
    PostMessageA(marker, kKeysDone, 0, 0);
    RunMessageLoopWhile([] { return !keysDone; });
  }
  bool Enabled(int id) { return IsWindowEnabled(FindControl(main->MainWindow(), id)) != FALSE; }
  bool Checked(HWND option) { return SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED; }

  HWND in = nullptr, at = nullptr, marker = nullptr;
};

TEST_F(CountdownOptionKeys, TheArrowsMoveBetweenInAndAtAndChooseAsInADialog) {
  SetFocus(in);
  Press(VK_DOWN);
  EXPECT_EQ(GetFocus(), at);
  EXPECT_TRUE(Checked(at));
  EXPECT_FALSE(Checked(in));
  EXPECT_TRUE(Enabled(kTxtHour));  // the choice took effect: the clock fields are on
  EXPECT_FALSE(Enabled(kTxtPeriod));

  Press(VK_LEFT);
  EXPECT_EQ(GetFocus(), in);
  EXPECT_TRUE(Checked(in));
  EXPECT_FALSE(Checked(at));
  EXPECT_TRUE(Enabled(kTxtPeriod));
  Press(VK_RIGHT);
  Press(VK_UP);
  EXPECT_EQ(GetFocus(), in);
  EXPECT_TRUE(Checked(in));
}

TEST_F(CountdownOptionKeys, TabStillGoesFromAnOptionToItsNumberFields) {
  SetFocus(in);
  Press(VK_TAB);
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), kTxtPeriod);
  // The arrows in a number field stay the field's own.
  Press(VK_DOWN);
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), kTxtPeriod);
  EXPECT_TRUE(Checked(in));
}

}  // namespace
}  // namespace dusk
