// The keyboard comes back to the control that had it when a window is activated
// again, unless that control can no longer take it.
#include <gtest/gtest.h>
#include <windows.h>

#include "widgets/win/focus_keeper.h"

namespace dusk {
namespace {

FocusKeeper keeper;
HWND first = nullptr, second = nullptr;

LRESULT CALLBACK KeepingProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ACTIVATE) {
    keeper.OnActivate(window, wp, first);
    return 0;
  }
  return DefWindowProcA(window, msg, wp, lp);
}

HWND TopLevel(const char* className, WNDPROC proc) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  RegisterClassA(&wc);
  return CreateWindowExA(0, className, "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

TEST(FocusKeeper, ActivationGivesTheFocusBackOrToTheFallbackWhenThatControlCannotTakeIt) {
  HWND window = TopLevel("FocusKeeperTest", KeepingProc);
  HWND other = TopLevel("FocusKeeperOther", DefWindowProcA);
  first = CreateWindowExA(0, "BUTTON", "1", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 50, 20, window,
                          nullptr, nullptr, nullptr);
  second = CreateWindowExA(0, "BUTTON", "2", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 60, 0, 50, 20, window,
                           nullptr, nullptr, nullptr);
  SetActiveWindow(window);
  SetFocus(second);
  SetActiveWindow(other);
  SetActiveWindow(window);
  EXPECT_EQ(GetFocus(), second);

  SetActiveWindow(other);
  EnableWindow(second, FALSE);
  SetActiveWindow(window);
  EXPECT_EQ(GetFocus(), first) << "a disabled control";

  EnableWindow(second, TRUE);
  SetFocus(second);
  SetActiveWindow(other);
  ShowWindow(second, SW_HIDE);
  SetActiveWindow(window);
  EXPECT_EQ(GetFocus(), first) << "a hidden control";
  EXPECT_EQ(keeper.Target(window, nullptr), nullptr);

  DestroyWindow(other);
  DestroyWindow(window);
}

}  // namespace
}  // namespace dusk
