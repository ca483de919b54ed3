// The about window under Wine: its themed "Ok", the ways it closes, and the modal
// window the tray menu opens over its own window Form2.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "main_frame_fixture.h"
#include "app/tray_menu_items.h"
#include "app/win/about_window.h"
#include "app/win/main_window_ids.h"
#include "app/win/tray_menu.h"
#include "app/win/tray_menu_entry.h"
#include "app/win/window_class.h"
#include "widgets/win/themed_button.h"
#include "widgets/win/window_buttons.h"

namespace dusk {
namespace {

// What a test does from inside the about window's modal loop: run by a thread timer
// once the window is up. A second timer closes the window in any case, so that a
// failing test can never wait on the loop for ever.
std::function<void(HWND about)> g_whileOpen;
int g_whileOpenRuns = 0;

HWND OpenAboutWindow() {
  HWND about = FindWindowA("frmAbout", nullptr);
  return about && IsWindowVisible(about) ? about : nullptr;
}
void CALLBACK RunWhileOpen(HWND, UINT, UINT_PTR id, DWORD) {
  HWND about = OpenAboutWindow();
  if (!about) return;
  KillTimer(nullptr, id);
  ++g_whileOpenRuns;
  if (g_whileOpen) g_whileOpen(about);
}
void CALLBACK CloseAnyAbout(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (HWND about = FindWindowA("frmAbout", nullptr)) DestroyWindow(about);
}

class AboutWindowTest : public MainFrameFixture {
 protected:
  void SetUp() override {
    CreateMainFrame();
    tray = std::make_unique<TrayMenu>(*main);
    g_whileOpen = nullptr;
    g_whileOpenRuns = 0;
  }
  void TearDown() override {
    g_whileOpen = nullptr;
    tray.reset();
    MainFrameFixture::TearDown();
  }

  UINT AboutId() {
    const auto& items = TrayMenuTopItems();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i].command == TrayCommand::About) return kTrayFirstTopId + static_cast<UINT>(i);
    return 0;
  }
  // "About" chosen in the tray menu; `whileOpen` runs inside the modal loop.
  void ChooseAbout(std::function<void(HWND)> whileOpen) {
    g_whileOpen = std::move(whileOpen);
    const UINT_PTR acting = SetTimer(nullptr, 0, 50, RunWhileOpen);
    const UINT_PTR ending = SetTimer(nullptr, 0, 5000, CloseAnyAbout);
    tray->Choose(AboutId());
    KillTimer(nullptr, acting);
    KillTimer(nullptr, ending);
  }
  bool MainShown() { return main->MainWindow() && IsWindowVisible(main->MainWindow()); }

  std::unique_ptr<TrayMenu> tray;
};

TEST_F(AboutWindowTest, FromTheNavigationItOpensAtOnceAndItsThemedOkBringsTheMainWindowBack) {
  main->ShowMainWindow();
  main->ShowAbout();  // returns with the window open
  HWND about = OpenAboutWindow();
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(MainShown());
  EXPECT_EQ(GetWindow(about, GW_OWNER), nullptr);
  RECT frame;
  GetWindowRect(about, &frame);
  EXPECT_EQ(frame.right - frame.left, 385);
  EXPECT_EQ(frame.bottom - frame.top, 162);

  HWND ok = GetDlgItem(about, ids::kAboutOk);
  ASSERT_NE(ok, nullptr);
  char cls[32] = {}, caption[16] = {};
  GetClassNameA(ok, cls, sizeof cls);
  GetWindowTextA(ok, caption, sizeof caption);
  EXPECT_STREQ(cls, kThemedButtonClass);
  EXPECT_STREQ(caption, "Ok");
  EXPECT_EQ(ThemedButtonProps(ok).style, 8);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(ok, WM_GETFONT, 0, 0)), DialogFont());
  EXPECT_EQ(GetFocus(), ok);  // the space bar presses it

  main->ShowAbout();  // a second opening only brings it forward
  EXPECT_EQ(OpenAboutWindow(), about);

  SendMessageA(ok, BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(about));
  EXPECT_FALSE(main->About()->IsOpen());
  EXPECT_TRUE(MainShown());
}

TEST_F(AboutWindowTest, SurfaceClicksAndEscCloseItWithoutTheMainWindowAndEachOpeningIsANewWindow) {
  for (UINT close : {UINT{WM_LBUTTONDOWN}, UINT{WM_RBUTTONDOWN}, kEscapePressed, UINT{WM_CLOSE}}) {
    main->ShowAbout();
    HWND about = OpenAboutWindow();
    ASSERT_NE(about, nullptr) << close;
    SendMessageA(about, close, 0, MAKELPARAM(20, 120));
    EXPECT_FALSE(IsWindow(about)) << close;
    EXPECT_FALSE(MainShown()) << close;
  }
}

TEST_F(AboutWindowTest, FromTheTrayItIsModalOverADisabledForm2UntilOkClosesIt) {
  HWND form = tray->Window();
  ASSERT_NE(form, nullptr);
  main->ShowMainWindow();
  HWND seen = nullptr;
  ChooseAbout([&](HWND about) {
    seen = about;
    EXPECT_EQ(GetWindow(about, GW_OWNER), form);
    EXPECT_FALSE(IsWindowEnabled(form));
    EXPECT_TRUE(main->About()->IsModal());
    EXPECT_FALSE(MainShown());
    SendMessageA(GetDlgItem(about, ids::kAboutOk), BM_CLICK, 0, 0);
  });
  // The choice returned only once the window was closed, from inside the loop.
  EXPECT_EQ(g_whileOpenRuns, 1);
  ASSERT_NE(seen, nullptr);
  EXPECT_FALSE(IsWindow(seen));
  EXPECT_TRUE(IsWindowEnabled(form));
  EXPECT_FALSE(main->About()->IsModal());
  EXPECT_TRUE(MainShown());
}

TEST_F(AboutWindowTest, TheTrayIconsDoubleClickClosesTheModalWindowAndShowsTheMainWindow) {
  HWND form = tray->Window();
  ChooseAbout([&](HWND) { SendMessageA(main->MainWindow(), WM_MOUSEMOVE, 0, 515); });
  EXPECT_EQ(g_whileOpenRuns, 1);
  EXPECT_EQ(OpenAboutWindow(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(form));
  EXPECT_TRUE(MainShown());
}

TEST_F(AboutWindowTest, ASecondAboutFromTheTrayBringsTheOpenOneForwardWithoutASecondLoop) {
  HWND form = tray->Window();
  bool returnedWhileOpen = false;
  ChooseAbout([&](HWND about) {
    main->ShowMainWindow();  // e.g. opened by a hotkey meanwhile
    tray->Choose(AboutId());
    returnedWhileOpen = OpenAboutWindow() == about;
    EXPECT_FALSE(IsWindowEnabled(form));
    EXPECT_FALSE(MainShown());
    main->ShowAbout();  // nor does the navigation entry open another one
    EXPECT_EQ(OpenAboutWindow(), about);
    SendMessageA(about, kEscapePressed, 0, 0);
  });
  EXPECT_TRUE(returnedWhileOpen);
  EXPECT_EQ(OpenAboutWindow(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(form));
  EXPECT_FALSE(MainShown());  // Esc does not bring it back
}

// Window timers (the countdown, the schedule watcher) and thread timers alike.
int g_windowTicks = 0, g_threadTicks = 0;
LRESULT CALLBACK TickingWindow(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) {
    ++g_windowTicks;
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}
void CALLBACK ThreadTick(HWND, UINT, UINT_PTR, DWORD) { ++g_threadTicks; }
void CALLBACK PressEsc(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (HWND about = OpenAboutWindow()) SendMessageA(about, kEscapePressed, 0, 0);
}

TEST_F(AboutWindowTest, OtherTimersKeepTickingWhileTheModalWindowIsOpen) {
  RegisterWindowClass("DuskAboutTestTicker", TickingWindow);
  HWND ticker = CreateWindowExA(0, "DuskAboutTestTicker", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(ticker, nullptr);
  SetTimer(ticker, 1, 20, nullptr);
  const UINT_PTR thread = SetTimer(nullptr, 0, 20, ThreadTick);
  ChooseAbout([](HWND) {
    // Only what ticks from here until the window closes counts.
    g_windowTicks = g_threadTicks = 0;
    SetTimer(nullptr, 0, 600, PressEsc);
  });
  const int windowTicks = g_windowTicks, threadTicks = g_threadTicks;
  KillTimer(nullptr, thread);
  KillTimer(ticker, 1);
  DestroyWindow(ticker);
  EXPECT_EQ(OpenAboutWindow(), nullptr);
  EXPECT_GE(windowTicks, 5);
  EXPECT_GE(threadTicks, 5);
}

DWORD WINAPI SendClose(void* about) {
  SendMessageA(static_cast<HWND>(about), WM_CLOSE, 0, 0);
  return 0;
}

TEST_F(AboutWindowTest, ACloseRequestFromAnotherThreadEndsTheLoopAtOnce) {
  // Such a request is handled inside GetMessage, which would otherwise go on waiting.
  HWND form = tray->Window();
  HANDLE sender = nullptr;
  DWORD sentAt = 0;
  ChooseAbout([&](HWND about) {
    sentAt = GetTickCount();
    sender = CreateThread(nullptr, 0, SendClose, about, 0, nullptr);
  });
  EXPECT_LT(GetTickCount() - sentAt, 1000u);
  ASSERT_NE(sender, nullptr);
  WaitForSingleObject(sender, 5000);
  CloseHandle(sender);
  EXPECT_EQ(OpenAboutWindow(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(form));
}

TEST_F(AboutWindowTest, AQuitRequestEndsTheLoopClosesTheWindowAndReachesTheOuterLoop) {
  HWND form = tray->Window();
  ChooseAbout([](HWND) { PostQuitMessage(7); });
  EXPECT_EQ(OpenAboutWindow(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(form));
  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 7u);
}

TEST_F(AboutWindowTest, TheSessionEndingTakesTheModalWindowAlongAndEndsTheLoops) {
  HWND form = tray->Window();
  HWND seen = nullptr;
  ChooseAbout([&](HWND about) {
    seen = about;
    SendMessageA(main->MainWindow(), WM_ENDSESSION, TRUE, 0);  // Form2 and the about window are owned windows
  });
  EXPECT_EQ(g_whileOpenRuns, 1);
  EXPECT_FALSE(IsWindow(seen));
  EXPECT_FALSE(IsWindow(form));
  EXPECT_FALSE(main->About()->IsModal());
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(AboutWindowTest, TheProgramEndingWhileItIsOpenLeavesNothingBehind) {
  tray->Window();
  HWND seen = nullptr;
  ChooseAbout([&](HWND about) {
    seen = about;
    main.reset();  // the about window goes with the main window's object
  });
  EXPECT_EQ(g_whileOpenRuns, 1);
  EXPECT_FALSE(IsWindow(seen));
}

}  // namespace
}  // namespace dusk
