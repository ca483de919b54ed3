// The program's message loop gives every window the keys of a dialog box: Tab moves
// the focus through panels in creation order, access keys and Enter press the
// program's own buttons, Esc reaches a window that asks for it first and otherwise
// comes as IDCANCEL.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/win/program.h"
#include "app/win/window_class.h"
#include "widgets/win/window_buttons.h"

namespace dusk {
namespace {

constexpr UINT kDone = WM_APP + 7;
constexpr int kFirst = 11, kSecond = 12, kThird = 13;

// A top-level window with a panel holding a candy button and a themed button, and a
// candy button of its own after the panel.
class KeysWindow {
 public:
  explicit KeysWindow(bool takesEscape) : takesEscape_(takesEscape) {
    RegisterWindowClass("DialogKeysTest", WindowTrampoline<KeysWindow>, GetSysColorBrush(COLOR_BTNFACE));
    RegisterWindowClass("DialogKeysPanel", PanelProc, GetSysColorBrush(COLOR_BTNFACE));
    CreateWindowExA(0, "DialogKeysTest", "keys", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                    GetModuleHandleA(nullptr), this);
    HWND panel = CreateWindowExA(WS_EX_CONTROLPARENT, "DialogKeysPanel", "", WS_CHILD | WS_VISIBLE, 0, 0,
                                 300, 100, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
    first = MakeCandyButton(panel, kFirst, "First", 10, 10, 80, 26);
    second = MakeThemedButton(panel, kSecond, "&Second", 100, 10, 80, 26);
    third = MakeCandyButton(hwnd_, kThird, "Third", 10, 120, 80, 26);
  }
  ~KeysWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
  }

  // Posts the messages as the keyboard would and runs the program's loop over them.
  void Keys(const std::vector<MSG>& keys) {
    done_ = false;
    for (const MSG& m : keys) PostMessageA(m.hwnd, m.message, m.wParam, m.lParam);
    PostMessageA(hwnd_, kDone, 0, 0);
    RunMessageLoopWhile([this] { return !done_; });
  }
  static MSG Key(HWND to, UINT message, WPARAM key) { return MSG{to, message, key, 0, 0, {0, 0}}; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case kDone: done_ = true; return 0;
      case kEscapePressed:
        if (!takesEscape_) break;
        heard.push_back("escape");
        return 1;
      case WM_COMMAND:
        heard.push_back(std::to_string(LOWORD(wp)) + (HIWORD(wp) == BN_CLICKED ? " clicked" : ""));
        return 0;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
  }

  HWND hwnd_ = nullptr;
  HWND first = nullptr, second = nullptr, third = nullptr;
  std::vector<std::string> heard;

 private:
  static LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND) return SendMessageA(GetParent(hwnd), msg, wp, lp);
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  bool takesEscape_;
  bool done_ = false;
};

using Heard = std::vector<std::string>;

TEST(DialogKeys, TabWalksTheControlsInOrderAcrossPanelsAndRoundAgain) {
  KeysWindow w(true);
  SetFocus(w.first);
  w.Keys({KeysWindow::Key(w.first, WM_KEYDOWN, VK_TAB), KeysWindow::Key(w.first, WM_KEYUP, VK_TAB)});
  EXPECT_EQ(GetFocus(), w.second);
  w.Keys({KeysWindow::Key(w.second, WM_KEYDOWN, VK_TAB)});
  EXPECT_EQ(GetFocus(), w.third);
  w.Keys({KeysWindow::Key(w.third, WM_KEYDOWN, VK_TAB)});
  EXPECT_EQ(GetFocus(), w.first);
  EXPECT_TRUE(w.heard.empty());  // moving the focus presses nothing
}

TEST(DialogKeys, EnterAndSpacePressTheFocusedButtonAndAccessKeysPressTheirs) {
  KeysWindow w(true);
  SetFocus(w.second);
  w.Keys({KeysWindow::Key(w.second, WM_KEYDOWN, VK_RETURN), KeysWindow::Key(w.second, WM_KEYUP, VK_RETURN)});
  EXPECT_EQ(w.heard, (Heard{"12 clicked"}));  // the button itself, not IDOK to the window
  SetFocus(w.third);
  w.Keys({KeysWindow::Key(w.third, WM_KEYDOWN, VK_SPACE), KeysWindow::Key(w.third, WM_KEYUP, VK_SPACE)});
  EXPECT_EQ(w.heard.back(), "13 clicked");
  w.Keys({KeysWindow::Key(w.third, WM_SYSCHAR, 's')});  // Alt+S
  EXPECT_EQ(w.heard.back(), "12 clicked");
  EXPECT_EQ(w.heard.size(), 3u);
}

TEST(DialogKeys, EscGoesToAWindowThatTakesItElseComesAsCancel) {
  {
    KeysWindow w(true);
    SetFocus(w.first);
    w.Keys({KeysWindow::Key(w.first, WM_KEYDOWN, VK_ESCAPE), KeysWindow::Key(w.first, WM_KEYUP, VK_ESCAPE)});
    EXPECT_EQ(w.heard, (Heard{"escape"}));
  }
  KeysWindow w(false);
  SetFocus(w.first);
  w.Keys({KeysWindow::Key(w.first, WM_KEYDOWN, VK_ESCAPE), KeysWindow::Key(w.first, WM_KEYUP, VK_ESCAPE)});
  EXPECT_EQ(w.heard, (Heard{"2 clicked"}));  // IDCANCEL
}

}  // namespace
}  // namespace dusk
