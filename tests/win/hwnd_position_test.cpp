// The position store on a real window: pixels become twips on the way in and out.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "app/registry_routines.h"
#include "app/win/hwnd_position.h"
#include "platform/host/recording_dialogs.h"
#include "platform/win32/win32_registry.h"

namespace dusk {
namespace {

const char* const kKey = "Software\\Dusklatch\\Settings";

class HwndPositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HwndPositionTest";
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(0, "HwndPositionTest", "", WS_POPUP, 10, 20, 500, 433, nullptr, nullptr,
                           wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
  }
  void TearDown() override {
    DestroyWindow(hwnd);
    DeleteRegValue(registry, RegRoot::CurrentUser, kKey, "frmHwndTest StartUp_Xpos");
    DeleteRegValue(registry, RegRoot::CurrentUser, kKey, "frmHwndTest StartUp_Ypos");
  }
  RECT Bounds() {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
  }
  HWND hwnd = nullptr;
  Win32Registry registry;
  RecordingDialogs dialogs;
  PositionServices services{registry, dialogs};
};

TEST_F(HwndPositionTest, StoresTwipsAndRestoresPixels) {
  HwndPosition window(hwnd, "frmHwndTest");
  ASSERT_EQ(TwipsPerPixelX(), 15);
  EXPECT_EQ(window.Width(), 7500);
  EXPECT_EQ(window.Height(), 6495);

  SaveFormPosition(services, window);
  EXPECT_EQ(ReadRegString(registry, RegRoot::CurrentUser, kKey, "frmHwndTest StartUp_Xpos"), "150");
  EXPECT_EQ(ReadRegString(registry, RegRoot::CurrentUser, kKey, "frmHwndTest StartUp_Ypos"), "300");

  SetWindowPos(hwnd, nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  LoadFormPosition(services, window);
  EXPECT_EQ(Bounds().left, 10);
  EXPECT_EQ(Bounds().top, 20);
  EXPECT_EQ(Bounds().right - Bounds().left, 500) << "the size is never touched";
}

// The end of a move stores the place; other messages are left to the window.
TEST_F(HwndPositionTest, AMovedBorderlessWindowRemembersWhereItWasLeft) {
  SetWindowPos(hwnd, nullptr, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_FALSE(MoveAndRemember(hwnd, WM_MOUSEMOVE, services, "frmHwndTest"));
  EXPECT_FALSE(MoveAndRemember(hwnd, WM_LBUTTONUP, services, "frmHwndTest"));
  EXPECT_EQ(ReadRegString(registry, RegRoot::CurrentUser, kKey, "frmHwndTest StartUp_Xpos"), std::nullopt);
  EXPECT_TRUE(MoveAndRemember(hwnd, WM_EXITSIZEMOVE, services, "frmHwndTest"));
  EXPECT_EQ(ReadRegString(registry, RegRoot::CurrentUser, kKey, "frmHwndTest StartUp_Xpos"), "600");
  EXPECT_EQ(ReadRegString(registry, RegRoot::CurrentUser, kKey, "frmHwndTest StartUp_Ypos"), "900");
}

// A window that moves the pointer where a WM_APP message says (the user's hand) and
// counts the ends of its moves.
int movesEnded = 0;
LRESULT CALLBACK DraggedByHand(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP) SetCursorPos(static_cast<int>(wp), static_cast<int>(lp));
  if (msg == WM_EXITSIZEMOVE) ++movesEnded;
  if (MoveOnPress(w, msg)) return 0;
  return DefWindowProcA(w, msg, wp, lp);
}

// A drag with the right button follows the pointer until that button comes up, and
// then ends as a drag with the left one does through the system.
TEST(MoveOnPress, ARightButtonDragEndsWhenItsButtonComesUp) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DraggedByHand;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "HwndPositionHand";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, "HwndPositionHand", "", WS_POPUP, 10, 20, 50, 50, nullptr, nullptr, wc.hInstance,
                           nullptr);
  auto place = [w] {
    RECT r{};
    GetWindowRect(w, &r);
    return std::make_pair(r.left, r.top);
  };
  SetCursorPos(100, 100);
  PostMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, 0);
  SetCursorPos(110, 105);  // moving on before the press is handled
  PostMessageA(w, WM_APP, 130, 120);
  PostMessageA(w, WM_MOUSEMOVE, 0, 0);
  PostMessageA(w, WM_RBUTTONUP, 0, 0);
  PostMessageA(w, WM_APP, 400, 400);  // after the release it is no longer followed
  PostMessageA(w, WM_MOUSEMOVE, 0, 0);
  movesEnded = 0;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  EXPECT_EQ(place(), std::make_pair(40L, 40L));
  EXPECT_EQ(movesEnded, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  DestroyWindow(w);
}

TEST_F(HwndPositionTest, WindowWithoutStoredPositionIsCentredOnTheScreen) {
  HwndPosition window(hwnd, "frmHwndTest");
  LoadFormPosition(services, window);
  EXPECT_EQ(Bounds().left, (GetSystemMetrics(SM_CXSCREEN) - 500) / 2);
  EXPECT_EQ(Bounds().top, (GetSystemMetrics(SM_CYSCREEN) - 433) / 2);
}

}  // namespace
}  // namespace dusk
