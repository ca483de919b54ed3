// Stands in for frmMain1 in the tests of the hotkeys and the toolbar: a window with
// the hotkeys and toolbar pages, a settings file of the test's own, and a
// record of the requests and the endings asked for.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/win/main_window_ids.h"
#include "app/win/shell_services.h"
#include "app/win/startup_seams.h"
#include "platform/host/fake_clock.h"
#include "platform/host/ini_file_profile.h"
#include "platform/host/memory_registry.h"
#include "platform/host/recording_dialogs.h"
#include "platform/host/recording_power.h"

namespace dusk {

class QuickFakeShell : public ShellServices, CleanupRunner, CleaningCommands, PasswordGate {
 public:
  QuickFakeShell() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = "QuickTestMain";
    RegisterClassA(&wc);
    main = CreateWindowExA(0, "QuickTestMain", "", WS_POPUP | WS_VISIBLE, 0, 0, 500, 433, nullptr,
                           nullptr, wc.hInstance, nullptr);
    auto page = [&](int number) {
      return CreateWindowExA(0, "QuickTestMain", "", WS_CHILD | WS_VISIBLE, 120, 30, 380, 339, main,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::kPage + number)),
                             wc.hInstance, nullptr);
    };
    picture4 = page(4);
    picture5 = page(5);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    ini = std::string(temp) + "quick_windows_test.ini";
    DeleteFileA(ini.c_str());
  }
  ~QuickFakeShell() override {
    part.reset();
    if (IsWindow(main)) DestroyWindow(main);
    DeleteFileA(ini.c_str());
  }

  void WriteSetting(const char* section, const char* key, const char* value) {
    profile.WriteString(section, key, value, ini);
  }
  std::string Setting(const char* section, const char* key) {
    return profile.GetString(section, key, "", 255, ini);
  }

  PowerApi& Power() override { return power; }
  Dialogs& Messages() override { return dialogs; }
  Clock& WallClock() override { return clock; }
  ProfileApi& Profile() override { return profile; }
  Registry& UserRegistry() override { return registry; }
  CleanupRunner& Cleanup() override { return *this; }
  CleaningCommands& Cleaning() override { return *this; }
  PasswordGate& Password() override { return *this; }
  std::string ProgramFolder() const override { return ""; }
  std::string SettingsFile() const override { return ini; }
  std::string HibernationFilePath() const override { return "C:\\hiberfil.sys"; }
  HWND MainWindow() const override { return main; }
  void ShowMainWindow() override {}
  void ShowPage(Page) override {}
  void HideMainWindow() override {}
  void ShowAbout() override {}
  void SetStatusText(const std::string&) override {}
  void EndProgram(ExitOrigin origin) override { endings.push_back(origin); }
  void SetTrayTip(const std::string&) override {}
  void SetTrayIconShown(bool) override {}
  void RunCleanupTasks() override {}
  void Run(CleaningCommand) override {}
  void Guard(PendingCommand, std::function<void()> proceed) override { proceed(); }
  bool ProtectionBoxTicked() const override { return protectionTicked; }

  HWND main = nullptr, picture4 = nullptr, picture5 = nullptr;
  RecordingPower power;
  RecordingDialogs dialogs;
  FakeClock clock{LocalDateTime{}};
  IniFileProfile profile;
  MemoryRegistry registry;
  std::string ini;
  std::vector<ExitOrigin> endings;
  bool protectionTicked = false;  // "Enable password protection" on the password page
  std::unique_ptr<StartupPart> part;
};

}  // namespace dusk
