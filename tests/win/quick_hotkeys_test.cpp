// The hotkeys on real windows: the letter fields as typed into, Save, the page's
// enabling, the hotkey window with the dispatcher, and the system's registrations
// (one taken by another window) made at start and given back at the end.
#include <gtest/gtest.h>

#include "platform/win32/win32_hotkeys.h"
#include "quick/win/hotkey_part.h"
#include "quick/win/quick_ids.h"
#include "quick_fake_shell.h"
#include "window_probe.h"

namespace dusk {
namespace {

std::unique_ptr<HotkeyApi> RealHotkeys(HWND window) {
  return std::make_unique<Win32Hotkeys>(window);
}

struct QuickHotkeys : ::testing::Test {
  QuickFakeShell shell;
  void Create(const HotkeyServiceFactory& hotkeys = RealHotkeys) {
    shell.part = CreateHotkeyPart(shell, shell.picture5, hotkeys);
  }
  HWND Item(int id) { return FindControl(shell.picture5, id); }
  HWND HotkeyWindow() { return FindWindowA("hotkey", "Form4"); }
  void Type(HWND field, char c) { SendMessageA(field, WM_CHAR, static_cast<WPARAM>(c), 0); }
};

TEST_F(QuickHotkeys, LetterFieldsTakeOneLetterAndShowItUpperCased) {
  Create();
  HWND shutdown = Item(kText5);
  EXPECT_EQ(Text(shutdown), "S");
  SendMessageA(shutdown, EM_SETSEL, 0, -1);
  for (char c : {'1', ' ', '\b', '+'}) Type(shutdown, c);
  EXPECT_EQ(Text(shutdown), "S") << "no other key reaches the field";
  Type(shutdown, 'q');
  EXPECT_EQ(Text(shutdown), "Q");
  SendMessageA(shutdown, EM_SETSEL, 1, 1);  // the caret after the letter
  Type(shutdown, 'w');
  EXPECT_EQ(Text(shutdown), "W") << "one letter, replaced by the next";
  SetWindowTextA(shutdown, "z");  // as pasted
  EXPECT_EQ(Text(shutdown), "Z");
  SetWindowTextA(shutdown, "5");
  EXPECT_EQ(Text(shutdown), "");
}

TEST_F(QuickHotkeys, SaveWritesTheLettersShownUnlessTwoAreTheSame) {
  Create();
  SetWindowTextA(Item(kText5 + 5), "r");  // Lock Computer on Restart's letter
  SendClick(Item(kHotkeySave));
  EXPECT_EQ(shell.dialogs.shown().back().text,
            "Two or more values are same !!! Please enter DISTINCT values for all operations.");
  EXPECT_EQ(shell.Setting("HOTKEY", "Lock"), "") << "nothing written";

  SetWindowTextA(Item(kText5 + 5), "k");
  SendClick(Item(kHotkeySave));
  EXPECT_EQ(shell.dialogs.shown().back().text, "Hotkey settings have been saved !!");
  EXPECT_EQ(shell.Setting("HOTKEY", "Lock"), "K");
  EXPECT_EQ(shell.Setting("HOTKEY", "Shutdown"), "S");
  EXPECT_EQ(shell.Setting("HOTKEY", "Hotkey_enabled"), "0");
}

TEST_F(QuickHotkeys, TheBoxAndItsLabelEnableTheLettersAndSave) {
  shell.WriteSetting("HOTKEY", "Hotkey_enabled", "1");
  Create();
  EXPECT_EQ(SendMessageA(Item(kCheck23), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(IsWindowEnabled(Item(kText5 + 3)));
  EXPECT_TRUE(IsWindowEnabled(Item(kHotkeySave)));
  HWND label = Item(kLabel49);
  SendMessageA(GetParent(label), WM_COMMAND, MAKEWPARAM(kLabel49, STN_CLICKED),
               reinterpret_cast<LPARAM>(label));
  EXPECT_EQ(SendMessageA(Item(kCheck23), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_FALSE(IsWindowEnabled(Item(kText5 + 3)));
  EXPECT_FALSE(IsWindowEnabled(Item(kFrame5)));
  EXPECT_FALSE(IsWindowEnabled(Item(kHotkeySave)));
  SendMessageA(Item(kCheck23), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindowEnabled(Item(kText5)));
}

TEST_F(QuickHotkeys, APressedHotkeyActsAtOnceWhileTheBoxIsTicked) {
  shell.WriteSetting("HOTKEY", "Hotkey_enabled", "1");
  Create();
  HWND window = HotkeyWindow();
  ASSERT_TRUE(window);
  EXPECT_FALSE(IsWindowVisible(window));

  SendMessageA(window, WM_HOTKEY, 1, 0);
  EXPECT_EQ(shell.power.requests(),
            (std::vector<std::string>{"privilege on", "ExitWindowsEx 2", "privilege off"}));
  EXPECT_EQ(Text(FindControl(window, kLabel32)), "The System is going to Restart !!!");
  EXPECT_FALSE(IsWindowVisible(window)) << "only a shutdown shows the window";

  SendMessageA(window, WM_HOTKEY, 0, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(Text(FindControl(window, kLabel32)), "The System is going to shutdown !!!");
  EXPECT_EQ(shell.power.requests().back(), "privilege off");
  EXPECT_EQ(shell.power.requests()[4], "ExitWindowsEx 8");

  // Minimising or closing it hides it; the hotkeys still reach it.
  ShowWindow(window, SW_MINIMIZE);
  EXPECT_FALSE(IsWindowVisible(window));
  SendMessageA(window, WM_HOTKEY, 0, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_FALSE(IsIconic(window));
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));

  // Cleared, not saved: at once nothing happens.
  SendMessageA(Item(kCheck23), BM_CLICK, 0, 0);
  const std::size_t before = shell.power.requests().size();
  SendMessageA(window, WM_HOTKEY, 3, 0);
  SendMessageA(window, WM_HOTKEY, 0, 0);
  EXPECT_EQ(shell.power.requests().size(), before);
  EXPECT_FALSE(IsWindowVisible(window));
}

// A window of another part of the program, standing in for another program that
// already holds a combination.
struct OtherHolder {
  OtherHolder() {
    window =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  }
  ~OtherHolder() {
    for (int id = 0; id < 26; ++id) UnregisterHotKey(window, 100 + id);
    DestroyWindow(window);
  }
  bool Take(char letter) {
    return RegisterHotKey(window, 100 + letter - 'A', MOD_CONTROL | MOD_ALT, letter) != 0;
  }
  HWND window = nullptr;
};

TEST_F(QuickHotkeys, ATakenCombinationLeavesTheOtherFiveAndOnlyOursAreGivenBack) {
  OtherHolder other;
  ASSERT_TRUE(other.Take('L'));
  Create();
  for (char letter : {'S', 'R', 'X', 'H', 'C'})
    EXPECT_FALSE(other.Take(letter)) << letter << " is ours";

  // The other five still work: a real key press reaches the hotkey window.
  SendMessageA(Item(kCheck23), BM_CLICK, 0, 0);
  INPUT keys[6] = {};
  const WORD sequence[6] = {VK_CONTROL, VK_MENU, 'R', 'R', VK_MENU, VK_CONTROL};
  for (int i = 0; i < 6; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i];
    keys[i].ki.dwFlags = i < 3 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(6, keys, sizeof(INPUT));
  EXPECT_TRUE(PumpUntil([&] { return !shell.power.requests().empty(); }, 3000));
  EXPECT_EQ(shell.power.requests(),
            (std::vector<std::string>{"privilege on", "ExitWindowsEx 2", "privilege off"}));

  shell.part.reset();
  for (char letter : {'S', 'R', 'X', 'H', 'C'})
    EXPECT_TRUE(other.Take(letter)) << letter << " given back";
  EXPECT_FALSE(IsWindow(HotkeyWindow()));
}

}  // namespace
}  // namespace dusk
