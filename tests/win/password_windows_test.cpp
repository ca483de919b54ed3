// The password page, the prompt "validate" and the change-password window "chpass"
// under Wine, on the real profile calls and a settings file of the test's own.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "window_probe.h"
#include "app/win/window_class.h"
#include "password/password_settings.h"
#include "password/win/password_ids.h"
#include "password/win/password_part.h"
#include "platform/host/recording_dialogs.h"
#include "platform/win32/win32_profile.h"
#include "timer/win/timer_window.h"

namespace dusk {
namespace {

SIZE WindowSize(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

class PasswordWindowsTest : public ::testing::Test {
 protected:
  PasswordWindowsTest() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    ini = std::string(temp) + "dusklatch-password-" + std::to_string(GetCurrentProcessId()) + ".ini";
    DeleteFileA(ini.c_str());
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = "PasswordTestMain";
    RegisterClassA(&wc);
    main = CreateWindowExA(0, "PasswordTestMain", "", WS_POPUP | WS_VISIBLE, 0, 0, 500, 433,
                           nullptr, nullptr, wc.hInstance, nullptr);
    picture6 = CreateWindowExA(0, "PasswordTestMain", "", WS_CHILD | WS_VISIBLE, 120, 30, 380, 339,
                               main, nullptr, wc.hInstance, nullptr);
  }
  ~PasswordWindowsTest() override {
    part.reset();
    DestroyWindow(main);
    DeleteFileA(ini.c_str());
  }

  void Start(const char* enabled, const char* password) {
    WritePrivateProfileStringA("Pass", "Pass_Enabled", enabled, ini.c_str());
    WritePrivateProfileStringA("Pass", "Val", password, ini.c_str());
    part = CreatePasswordPartWith(profile, ini, dialogs, picture6);
  }
  HWND Page(int id) { return FindControl(picture6, id); }
  void Click(HWND top, int id) { SendClick(FindControl(top, id)); }
  bool Enabled(int id) { return IsWindowEnabled(Page(id)) != FALSE; }
  std::string LastText() { return dialogs.shown().empty() ? "" : dialogs.shown().back().text; }

  std::string ini;
  HWND main = nullptr, picture6 = nullptr;
  Win32Profile profile;
  RecordingDialogs dialogs;
  std::unique_ptr<PasswordPart> part;
  int ran = 0;
};

TEST_F(PasswordWindowsTest, PageShowsTheStoredPasswordMaskedAndTheBoxEnablesItsButtons) {
  Start("1", "quazel");
  EXPECT_TRUE(IsChecked(Page(kCheck24)));
  EXPECT_EQ(Text(Page(kPageText11)), "quazel");
  EXPECT_EQ(SendMessageA(Page(kPageText11), EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_FALSE(Enabled(kPageText11));
  EXPECT_FALSE(IsWindowVisible(Page(kPageText12)));
  EXPECT_FALSE(IsWindowVisible(Page(kSavePassword)));
  EXPECT_EQ(Text(Page(kLabel53)), "To change the password click on \"Change Password \" button");
  EXPECT_TRUE(Enabled(kFrame6) && Enabled(kChangePassword) && Enabled(kSavePassword));

  SendMessageA(Page(kCheck24), BM_SETCHECK, BST_UNCHECKED, 0);
  Click(picture6, kCheck24);
  EXPECT_FALSE(Enabled(kFrame6) || Enabled(kChangePassword) || Enabled(kSavePassword));
  EXPECT_TRUE(Enabled(kSaveSettings));
  EXPECT_FALSE(part->Gate().ProtectionBoxTicked());
  SendMessageA(GetParent(Page(kLabel48)), WM_COMMAND, MAKEWPARAM(kLabel48, STN_CLICKED),
               reinterpret_cast<LPARAM>(Page(kLabel48)));  // the label ticks the box too
  EXPECT_TRUE(IsChecked(Page(kCheck24)));
  EXPECT_TRUE(Enabled(kFrame6) && Enabled(kChangePassword));
}

TEST_F(PasswordWindowsTest, PromptStaysForAWrongPasswordHidesOnCancelAndGoesAfterTheRightOne) {
  Start("1", "Secret7");
  EXPECT_EQ(FindWindowA("validate", nullptr), nullptr);  // made on the first request
  part->Gate().Guard(PendingCommand::Exit, [this] { ++ran; });
  HWND prompt = FindWindowA("validate", nullptr);
  ASSERT_NE(prompt, nullptr);
  EXPECT_TRUE(IsWindowVisible(prompt));
  EXPECT_EQ(WindowSize(prompt).cx, 299);
  EXPECT_EQ(WindowSize(prompt).cy, 210);
  EXPECT_EQ(GetWindowLongA(prompt, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
  EXPECT_EQ(Text(FindControl(prompt, kPromptText2)), "exit");
  EXPECT_FALSE(IsWindowVisible(FindControl(prompt, kPromptText2)));
  EXPECT_EQ(Text(FindControl(prompt, kPromptLabel1)), "Passwod is Required to continue");
  HWND entry = FindControl(prompt, kPromptText11);
  EXPECT_EQ(SendMessageA(entry, EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_EQ(GetFocus(), entry);

  SetWindowTextA(entry, "secret7");
  Click(prompt, kPromptOk);
  EXPECT_EQ(LastText(), "Incorect password ");
  EXPECT_TRUE(IsWindowVisible(prompt));
  EXPECT_EQ(Text(entry), "secret7");  // still there, selected to be typed over
  EXPECT_EQ(SendMessageA(entry, EM_GETSEL, 0, 0), MAKELRESULT(0, 7));

  SendMessageA(prompt, kEscapePressed, 0, 0);  // Esc is Cancel
  EXPECT_TRUE(IsWindow(prompt));
  EXPECT_FALSE(IsWindowVisible(prompt));
  EXPECT_EQ(Text(entry), "");
  EXPECT_EQ(ran, 0);

  part->Gate().Guard(PendingCommand::Add, [this] { ++ran; });
  EXPECT_EQ(FindWindowA("validate", nullptr), prompt);  // the hidden one is used again
  EXPECT_EQ(Text(FindControl(prompt, kPromptText2)), "add");
  SetWindowTextA(entry, "Secret7");
  SendMessageA(prompt, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);  // Enter
  EXPECT_EQ(ran, 1);
  EXPECT_FALSE(IsWindow(prompt));
}

TEST_F(PasswordWindowsTest, ChangeWindowIsMadeAtStartAndOnlyTheNewPasswordWorksAfterIt) {
  Start("1", "first1");
  HWND change = FindWindowA("chpass", nullptr);
  ASSERT_NE(change, nullptr);
  EXPECT_FALSE(IsWindowVisible(change));
  EXPECT_EQ(WindowSize(change).cx, 291);
  EXPECT_EQ(WindowSize(change).cy, 234);
  EXPECT_NE(GetWindowLongA(change, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

  Click(picture6, kChangePassword);
  EXPECT_TRUE(IsWindowVisible(change));
  HWND old = FindControl(change, kChangeText1), fresh = FindControl(change, kChangeText11);
  SetWindowTextA(old, "wrong1");
  Click(change, kChangeOk);
  EXPECT_EQ(LastText(), "OLD password entered is incorrect");
  EXPECT_EQ(GetFocus(), old);
  SetWindowTextA(old, "first1");
  SetWindowTextA(fresh, "second2");
  Click(change, kChangeOk);
  EXPECT_EQ(GetFocus(), fresh);
  SetWindowTextA(FindControl(change, kChangeText12), "second2");
  Click(change, kChangeOk);
  EXPECT_EQ(LastText(), "Password Changed");
  EXPECT_FALSE(IsWindowVisible(change));
  EXPECT_EQ(Text(old) + Text(fresh), "");  // nothing typed is kept
  EXPECT_EQ(Text(Page(kPageText11)), "second2");
  EXPECT_EQ(ReadStoredPassword(profile, ini), "second2");

  part->Gate().Guard(PendingCommand::FrmRestart, [this] { ++ran; });
  HWND prompt = FindWindowA("validate", nullptr);
  SetWindowTextA(FindControl(prompt, kPromptText11), "first1");
  Click(prompt, kPromptOk);
  EXPECT_EQ(LastText(),
            "Incorrect password.Password protection is enabled.You must enter correct password "
            "to continue ");
  SetWindowTextA(FindControl(prompt, kPromptText11), "second2");
  Click(prompt, kPromptOk);
  EXPECT_EQ(ran, 1);
}

// The system's profile reader gives back exactly what was stored, even a password with
// blanks or quotes around it.
TEST_F(PasswordWindowsTest, PasswordsReadBackWholeThroughTheProfileCalls) {
  for (const std::string password : {"plain pass", " lead", "trail ", "\"quoted\"", "'single'", "\""}) {
    SCOPED_TRACE(password);
    WriteStoredPassword(profile, ini, password);
    EXPECT_EQ(ReadStoredPassword(profile, ini), password);
  }
}

}  // namespace
}  // namespace dusk
