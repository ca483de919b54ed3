// Window hooks on real windows: order of handlers, the handled flag, refusals and
// removal requested from inside a handler.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/host/recording_dialogs.h"
#include "platform/host/recording_event_log.h"
#include "widgets/win/window_subclass.h"

namespace dusk {
namespace {

constexpr UINT kProbe = WM_APP + 1;
constexpr UINT kOther = WM_APP + 2;
std::vector<std::string>* g_trace = nullptr;

LRESULT CALLBACK ProbeProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == kProbe || msg == kOther) {
    if (g_trace) g_trace->push_back("previous");
    return 40 + static_cast<LRESULT>(wparam);
  }
  return DefWindowProcA(window, msg, wparam, lparam);
}

struct SubclassFixture : ::testing::Test {
  RecordingDialogs dialogs;
  RecordingEventLog log;
  std::vector<std::string> trace;
  HWND window = nullptr;

  void SetUp() override {
    g_trace = &trace;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HookProbe";
    RegisterClassA(&wc);
    window = CreateWindowA("HookProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override {
    DestroyWindow(window);
    g_trace = nullptr;
  }
  WNDPROC CurrentProc() const {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  }
};

TEST_F(SubclassFixture, HandlersRunAroundThePreviousProcedureForListedMessagesOnly) {
  WindowSubclasser owner("CandyButton", dialogs, log);
  ASSERT_TRUE(owner.Subclass(window, 7, [&](bool before, bool&, LRESULT& result, HWND, UINT,
                                            WPARAM, LPARAM, LONG_PTR& user) {
    trace.push_back(before ? "before" : "after");
    if (!before) result += user;
  }));
  owner.AddMessage(window, kProbe, kHookBefore | kHookAfter);
  EXPECT_EQ(SendMessageA(window, kProbe, 2, 0), 49);  // 42 from below, +7 after
  EXPECT_EQ(trace, (std::vector<std::string>{"before", "previous", "after"}));
  trace.clear();
  EXPECT_EQ(SendMessageA(window, kOther, 3, 0), 43);  // untouched
  EXPECT_EQ(trace, std::vector<std::string>{"previous"});
  EXPECT_EQ(owner.CallPrevious(window, kOther, 1, 0), 41);
  EXPECT_TRUE(log.errors().empty());
}

TEST_F(SubclassFixture, HandledBeforeSuppressesThePreviousProcedure) {
  WindowSubclasser owner("CandyButton", dialogs, log);
  owner.Subclass(window, 0, [&](bool before, bool& handled, LRESULT& result, HWND, UINT, WPARAM,
                                LPARAM, LONG_PTR&) {
    trace.push_back(before ? "before" : "after");
    handled = true;
    result = 5;
  });
  owner.AddMessage(window, kAllMessages, kHookBefore);
  owner.AddMessage(window, kProbe, kHookAfter);
  EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 5);
  EXPECT_EQ(trace, std::vector<std::string>{"before"});
  owner.RemoveMessage(window, kAllMessages, kHookBefore);
}

TEST_F(SubclassFixture, RefusalsGoToTheLogAndAMessageBox) {
  WindowSubclasser owner("CandyButton", dialogs, log);
  auto noop = [](bool, bool&, LRESULT&, HWND, UINT, WPARAM, LPARAM, LONG_PTR&) {};
  owner.UserValue(window);
  EXPECT_FALSE(owner.Subclass(reinterpret_cast<HWND>(0x1234), 0, noop));
  EXPECT_FALSE(owner.Subclass(window, 0, nullptr));
  ASSERT_TRUE(owner.Subclass(window, 0, noop));
  EXPECT_FALSE(owner.Subclass(window, 0, noop));
  owner.RemoveMessage(window, 0x2A1, kHookBefore);
  for (int i = 1; i <= 33; ++i) owner.AddMessage(window, WM_USER + i, kHookAfter);
  EXPECT_EQ(log.errors(), (std::vector<std::string>{
                              "CandyButton.zMap_hWnd: Subclassing hasn't been started",
                              "CandyButton.sc_Subclass: Invalid window handle",
                              "CandyButton.sc_Subclass: Callback method not found",
                              "CandyButton.sc_Subclass: Window handle is already subclassed",
                              "CandyButton.zDelMsg: Message &H2A1 not found in table",
                              "CandyButton.zAddMsg: Message table overflow. Either increase the "
                              "value of Const MSG_ENTRIES or use ALL_MESSAGES instead of "
                              "specific message values"}));
  ASSERT_EQ(dialogs.shown().size(), 6u);
  EXPECT_EQ(dialogs.shown()[3].title, "Error in CandyButton.sc_Subclass");
  EXPECT_EQ(dialogs.shown()[3].text, "Window handle is already subclassed.");
  EXPECT_EQ(dialogs.shown()[3].icon, MsgIcon::Exclamation);
  owner.UnSubclass(window);
  owner.UnSubclass(window);
  EXPECT_EQ(log.errors().back(), "CandyButton.zMap_hWnd: Window handle isn't subclassed");
}

TEST_F(SubclassFixture, RemovalFromInsideTheHandlerWaitsForTheOutermostMessage) {
  WNDPROC original = CurrentProc();
  WindowSubclasser owner("CandyButton", dialogs, log);
  int depth = 0;
  owner.Subclass(window, 0, [&](bool before, bool&, LRESULT&, HWND hwnd, UINT, WPARAM wparam,
                                LPARAM, LONG_PTR&) {
    if (!before) return;
    ++depth;
    if (wparam == 1) {
      owner.UnSubclass(hwnd);
      // Still hooked while this message is being handled, also for a nested message.
      EXPECT_EQ(WindowHookCount(hwnd), 1);
      SendMessageA(hwnd, kOther, 0, 0);
      EXPECT_EQ(WindowHookCount(hwnd), 1);
    }
  });
  owner.AddMessage(window, kProbe, kHookBefore);
  EXPECT_EQ(SendMessageA(window, kProbe, 1, 0), 41);
  EXPECT_EQ(WindowHookCount(window), 0);
  EXPECT_EQ(CurrentProc(), original);
  SendMessageA(window, kProbe, 1, 0);
  EXPECT_EQ(depth, 1);
}

TEST_F(SubclassFixture, TwoOwnersChainAndEitherCanLeave) {
  WNDPROC original = CurrentProc();
  WindowSubclasser first("CandyButton", dialogs, log);
  {
    LightSubclasser second([&](bool before, bool&, LRESULT& result, HWND, UINT, WPARAM, LPARAM,
                               LONG_PTR&) {
      if (!before) result *= 2;
    });
    first.Subclass(window, 1, [&](bool before, bool&, LRESULT& result, HWND, UINT, WPARAM,
                                  LPARAM, LONG_PTR&) {
      if (!before) result += 1;
    });
    first.AddMessage(window, kProbe, kHookAfter);
    EXPECT_EQ(second.Hook(window), 0);
    second.AddMessage(window, kProbe, kHookAfter);
    EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), (40 + 1) * 2);  // newest hook outermost
    first.UnSubclass(window);
    EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 80);
  }
  EXPECT_EQ(CurrentProc(), original);
  EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 40);
}

}  // namespace
}  // namespace dusk
