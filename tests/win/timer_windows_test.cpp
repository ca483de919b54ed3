// The countdown's windows driven by messages: the timer page, the warning and
// remaining-time windows, the settings page, and the end of the program after
// the action, against a main window double that records what it is asked.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "window_probe.h"
#include "app/win/shell_services.h"
#include "platform/calendar.h"
#include "platform/host/fake_clock.h"
#include "platform/host/ini_file_profile.h"
#include "platform/host/memory_registry.h"
#include "platform/host/recording_dialogs.h"
#include "platform/host/recording_power.h"
#include "platform/host/recording_sound.h"
#include "platform/host/scripted_file_dialog.h"
#include "timer/win/remaining_window.h"
#include "timer/win/timer_page.h"
#include "timer/win/timer_part.h"
#include "timer/win/warning_window.h"
#include "timer/win/warnings_page.h"

namespace dusk {
namespace {

LocalDateTime At(int h, int m, int s = 0) {
  return FromSerialSeconds(ToSerialSeconds({2026, 12, 9, h, m, s, 0}));
}

struct NoCleaning : CleanupRunner, CleaningCommands, PasswordGate {
  std::vector<std::string>* log = nullptr;
  void RunCleanupTasks() override { log->push_back("cleanup"); }
  void Run(CleaningCommand) override {}
  void Guard(PendingCommand, std::function<void()> proceed) override { proceed(); }
};

// Stands in for frmMain1: a window with the two page containers, and a log of
// every request the timer part makes of it.
class FakeShell : public ShellServices {
 public:
  FakeShell() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = "TimerTestMain";
    RegisterClassA(&wc);
    main = CreateWindowExA(0, "TimerTestMain", "", WS_POPUP | WS_VISIBLE, 0, 0, 500, 433, nullptr,
                           nullptr, wc.hInstance, nullptr);
    picture1 = CreateWindowExA(0, "TimerTestMain", "", WS_CHILD | WS_VISIBLE, 130, 40, 370, 330,
                               main, nullptr, wc.hInstance, nullptr);
    picture3 = CreateWindowExA(0, "TimerTestMain", "", WS_CHILD, 130, 40, 370, 330, main, nullptr,
                               wc.hInstance, nullptr);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    ini = std::string(temp) + "timer_windows_test.ini";
    DeleteFileA(ini.c_str());
    cleaning.log = &log;
    power.sink = [this](const std::string& line) { log.push_back("request " + line); };
  }
  ~FakeShell() override {
    part.reset();
    if (IsWindow(main)) DestroyWindow(main);
    DeleteFileA(ini.c_str());
  }

  PowerApi& Power() override { return power; }
  Dialogs& Messages() override { return dialogs; }
  Clock& WallClock() override { return clock; }
  ProfileApi& Profile() override { return profile; }
  Registry& UserRegistry() override { return registry; }
  CleanupRunner& Cleanup() override { return cleaning; }
  CleaningCommands& Cleaning() override { return cleaning; }
  PasswordGate& Password() override { return cleaning; }
  std::string ProgramFolder() const override { return ""; }
  std::string SettingsFile() const override { return ini; }
  std::string HibernationFilePath() const override { return "C:\\hiberfil.sys"; }
  HWND MainWindow() const override { return main; }
  void ShowMainWindow() override { log.push_back("show main"); }
  void ShowPage(Page) override {}
  void HideMainWindow() override { log.push_back("hide main"); }
  void ShowAbout() override {}
  void SetStatusText(const std::string& text) override { status = text; }
  void EndProgram(ExitOrigin) override {}
  void SetTrayTip(const std::string& tip) override { log.push_back("tip " + tip); }
  void SetTrayIconShown(bool shown) override { log.push_back(shown ? "icon" : "no icon"); }

  void Create() {
    auto s = std::make_unique<RecordingSound>();
    auto f = std::make_unique<ScriptedFileDialog>();
    sound = s.get();
    files = f.get();
    part = CreateTimerPart(*this, picture1, picture3, std::move(s), std::move(f));
  }

  std::vector<std::string> log;
  std::string status;  // the real status line's start is the main window's test
  HWND main = nullptr, picture1 = nullptr, picture3 = nullptr;
  RecordingPower power;
  RecordingDialogs dialogs;
  FakeClock clock{At(11, 50)};
  IniFileProfile profile;
  MemoryRegistry registry;
  NoCleaning cleaning;
  std::string ini;
  RecordingSound* sound = nullptr;
  ScriptedFileDialog* files = nullptr;
  std::unique_ptr<StartupPart> part;
};

void Tick(HWND button) { SendMessageA(GetParent(button), WM_TIMER, 1, 0); }

// With DUSK_SHOTS set (a folder), saves the screen as <name>.bmp there so that a
// person can look at the windows.
void SaveScreen(const char* name) {
  const char* folder = std::getenv("DUSK_SHOTS");
  if (!folder || !*folder) return;
  std::string path = folder;
  if (path[0] == '/') path = "Z:" + path;  // a Unix path under Wine
  for (char& c : path)
    if (c == '/') c = '\\';
  path += std::string("\\") + name + ".bmp";
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, shot);
  BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  GdiFlush();
  DWORD stride = (w * 3 + 3) & ~3, size = stride * h;
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
                        sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    std::fwrite(bits, size, 1, out);
    std::fclose(out);
  }
  SelectObject(memory, old);
  DeleteObject(shot);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void Pump() {
  MSG msg;
  for (int i = 0; i < 20; ++i) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

bool QuitPosted() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

TEST(TimerWindows, NumberFieldsKeepTheirRanges) {
  FakeShell shell;
  shell.Create();
  HWND minutes = FindControl(shell.picture1, kTxtMin1), hour = FindControl(shell.picture1, kTxtHour);
  SetWindowTextA(minutes, "75");
  EXPECT_EQ(Text(minutes), "59");
  SetWindowTextA(minutes, "05");
  SetWindowTextA(minutes, "");
  EXPECT_EQ(Text(minutes), "00");
  SetWindowTextA(minutes, "");
  EXPECT_EQ(Text(minutes), "");
  SetWindowTextA(hour, "");
  EXPECT_EQ(Text(hour), "1");
  // Letters and backspace never reach the field; digits do.
  SendMessageA(hour, WM_CHAR, 'x', 0);
  SendMessageA(hour, WM_CHAR, '\b', 0);
  EXPECT_EQ(Text(hour), "1");
  // The upper arrow lowers the number, the lower one raises it; minutes keep two digits.
  HWND spinner = FindControl(shell.picture1, kVsMin);
  SendMessageA(GetParent(spinner), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(spinner));
  EXPECT_EQ(Text(FindControl(shell.picture1, kTxtMin)), "01");
  SendMessageA(GetParent(spinner), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(spinner));
  SendMessageA(GetParent(spinner), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(spinner));
  EXPECT_EQ(Text(FindControl(shell.picture1, kTxtMin)), "00");
  // "At" enables the clock fields and disables the interval ones.
  EXPECT_FALSE(IsWindowEnabled(hour));
  SendClick(FindControl(shell.picture1, kOptAt));
  EXPECT_TRUE(IsWindowEnabled(hour));
  EXPECT_FALSE(IsWindowEnabled(minutes));
  // Unticking "Blink the icon" through its label disables the seconds.
  SendMessageA(GetParent(FindControl(shell.picture1, kLabel33)), WM_COMMAND, MAKEWPARAM(kLabel33, STN_CLICKED),
               0);
  EXPECT_FALSE(IsWindowEnabled(FindControl(shell.picture1, kTxtBlink)));
}

TEST(TimerWindows, ACountdownWarnsFiresAndReturnsToTheTray) {
  FakeShell shell;
  shell.registry.CreateKey(RegRoot::CurrentUser, "Software\\Dusklatch\\Settings");
  WritePrivateProfileStringA("Message", "Message_enabled", "1", shell.ini.c_str());
  WritePrivateProfileStringA("Message", "text", "Save your work", shell.ini.c_str());
  WritePrivateProfileStringA("Sound", "Sound_enabled", "1", shell.ini.c_str());
  WritePrivateProfileStringA("Sound", "Path", "C:\\bell.wav", shell.ini.c_str());
  shell.Create();
  HWND button = FindControl(shell.picture1, kIsButton1);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(Text(button), "&Enable Timer");
  SetWindowTextA(FindControl(shell.picture1, kTxtMin1), "01");
  SendClick(button);
  EXPECT_EQ(shell.dialogs.shown().at(0).text, "The time is set.");
  EXPECT_EQ(Text(button), "&Disable Timer");
  Pump();
  SaveScreen("timer-page-armed");
  EXPECT_FALSE(IsWindowEnabled(GetParent(FindControl(shell.picture1, kCmbAction))));
  EXPECT_TRUE(IsWindowEnabled(button));
  EXPECT_EQ(shell.log.back(), "hide main");
  EXPECT_EQ(shell.log.end()[-2], "tip Shutdown On 12/9/2026 11:51:00 AM");
  HWND left = FindWindowA("timeleft", nullptr);
  ASSERT_NE(left, nullptr);
  EXPECT_TRUE(IsWindowVisible(left));

  shell.clock.Set(At(11, 50, 1));
  Tick(button);
  EXPECT_EQ(shell.status, "59 Seconds Remaining");
  EXPECT_EQ(Text(GetDlgItem(left, kTimeleftLblcap)), "59 Seconds Remaining");
  HWND warning = FindWindowA("Form3", nullptr);
  ASSERT_NE(warning, nullptr);  // loaded at arming, hidden until the warning
  EXPECT_FALSE(IsWindowVisible(warning));

  shell.clock.Set(At(11, 50, 30));
  Tick(button);
  Tick(button);
  EXPECT_TRUE(IsWindowVisible(warning));
  EXPECT_EQ(Text(GetDlgItem(warning, kForm3Label1)), "Save your work");
  EXPECT_EQ(shell.sound->calls, (std::vector<std::string>{"play C:\\bell.wav"}));
  EXPECT_EQ(Text(GetDlgItem(warning, kForm3Text2)), "Music");
  Pump();
  SaveScreen("timer-warning-window");
  EXPECT_EQ(ClassOf(GetDlgItem(warning, kForm3CandyButton1)), "CandyButton");
  SendClick(GetDlgItem(warning, kForm3CandyButton1));
  EXPECT_FALSE(IsWindowVisible(warning));
  EXPECT_EQ(shell.sound->calls.back(), "stop");
  EXPECT_EQ(Text(GetDlgItem(warning, kForm3Text1)), "Visible");
  Tick(button);
  EXPECT_FALSE(IsWindowVisible(warning));  // closed with sound on: stays closed

  shell.log.clear();
  shell.clock.Set(At(11, 51));
  Tick(button);
  ASSERT_GE(shell.log.size(), 6u);
  std::vector<std::string> tail(shell.log.end() - 6, shell.log.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"cleanup", "request privilege on",
                                            "request ExitWindowsEx 12", "request privilege off",
                                            "icon", "tip No Action Set"}));
  // Back in the tray with the timer disabled, ready to be armed again.
  EXPECT_FALSE(QuitPosted());
  EXPECT_EQ(shell.status, "Timer Disabled");
  EXPECT_EQ(Text(button), "&Enable Timer");
  EXPECT_TRUE(IsWindowEnabled(GetParent(FindControl(shell.picture1, kCmbAction))));
  EXPECT_FALSE(IsWindowVisible(left));
  EXPECT_FALSE(IsWindowVisible(warning));
  Tick(button);
  EXPECT_EQ(shell.log.back(), "tip No Action Set");  // the tick has stopped
  SendClick(button);
  EXPECT_EQ(Text(button), "&Disable Timer");
}

TEST(TimerWindows, DisarmingRestoresTheIconAndHidesTheRemainingTime) {
  FakeShell shell;
  shell.Create();
  HWND button = FindControl(shell.picture1, kIsButton1);
  SetWindowTextA(FindControl(shell.picture1, kTxtMin1), "01");
  SendClick(button);
  shell.clock.Set(At(11, 50, 45));
  Tick(button);  // blinking starts with the empty phase; no message or sound is set up
  EXPECT_EQ(shell.log.back(), "no icon");
  EXPECT_FALSE(IsWindowVisible(FindWindowA("Form3", nullptr)));
  SendClick(button);
  EXPECT_EQ(Text(button), "&Enable Timer");
  EXPECT_EQ(shell.status, "Timer Disabled");
  HWND left = FindWindowA("timeleft", nullptr);
  EXPECT_FALSE(IsWindowVisible(left));
  EXPECT_EQ(Text(GetDlgItem(left, kTimeleftLblcap)), "Timer Disabled");
  EXPECT_TRUE(IsWindowEnabled(GetParent(FindControl(shell.picture1, kCmbAction))));
  std::vector<std::string> tail(shell.log.end() - 3, shell.log.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"icon", "tip No Action Set", "hide main"}));
  Tick(button);  // a stray tick after disarming changes nothing
  EXPECT_EQ(shell.status, "Timer Disabled");
}

TEST(TimerWindows, TheWarningWindowTakesTheKeys) {
  FakeShell shell;
  WritePrivateProfileStringA("Message", "Message_enabled", "1", shell.ini.c_str());
  WritePrivateProfileStringA("Message", "text", "Save your work", shell.ini.c_str());
  shell.Create();
  HWND button = FindControl(shell.picture1, kIsButton1);
  SetWindowTextA(FindControl(shell.picture1, kTxtMin1), "01");
  SendClick(button);
  shell.clock.Set(At(11, 50, 40));
  Tick(button);
  HWND warning = FindWindowA("Form3", nullptr);
  ASSERT_TRUE(warning && IsWindowVisible(warning));
  SendMessageA(warning, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(GetFocus(), GetDlgItem(warning, kForm3CandyButton1));  // Enter or Space closes it
  SendMessageA(warning, WM_COMMAND, IDCANCEL, 0);                  // Esc
  EXPECT_FALSE(IsWindowVisible(warning));
}

TEST(TimerWindows, SettingsPageBrowsesChecksAndSaves) {
  FakeShell shell;
  shell.Create();
  HWND page = shell.picture3;
  HWND sound = FindControl(page, kCheck12), path = FindControl(page, kText4);
  EXPECT_EQ(ClassOf(FindControl(page, kSettingsBrowse)), "CandyButton");
  EXPECT_EQ(ClassOf(FindControl(page, kSettingsSave)), "CandyButton");
  EXPECT_FALSE(IsWindowEnabled(path));
  EXPECT_FALSE(IsWindowEnabled(FindControl(page, kSettingsBrowse)));
  SendMessageA(sound, BM_SETCHECK, BST_CHECKED, 0);
  SendClick(sound);
  EXPECT_TRUE(IsWindowEnabled(path));
  EXPECT_TRUE(IsWindowEnabled(FindControl(page, kSettingsBrowse)));

  SetWindowTextA(FindControl(page, kText3), "Going down");
  SendClick(FindControl(page, kSettingsSave));
  EXPECT_EQ(shell.dialogs.shown().back().text, "Please select a song to be played");

  shell.files->answers.push_back(std::string("C:\\Music\\bell.mp3"));
  SendClick(FindControl(page, kSettingsBrowse));
  EXPECT_EQ(Text(path), "C:\\Music\\bell.mp3");
  EXPECT_EQ(shell.files->filters.back(), "MP3 (*.mp3)|*.MP3|WAV (*.wav)|*.WAV");
  SendClick(FindControl(page, kSettingsBrowse));  // cancelled: the chosen file stays
  EXPECT_EQ(Text(path), "C:\\Music\\bell.mp3");

  SendClick(FindControl(page, kSettingsSave));
  EXPECT_EQ(shell.dialogs.shown().back().text, "Settings saved !!");
  ShowWindow(shell.picture1, SW_HIDE);
  ShowWindow(page, SW_SHOW);
  Pump();
  SaveScreen("timer-settings-page");
  char stored[MAX_PATH] = "";
  GetPrivateProfileStringA("Sound", "Path", "", stored, sizeof stored, shell.ini.c_str());
  EXPECT_STREQ(stored, "C:\\Music\\bell.mp3");
  // The message box was never ticked, so its keys were not written.
  GetPrivateProfileStringA("Message", "text", "none", stored, sizeof stored, shell.ini.c_str());
  EXPECT_STREQ(stored, "none");
}

}  // namespace
}  // namespace dusk
