// What the windows of the other subsystems may ask of the main window, its tray
// icon and the services the program was started with. The main window keeps the
// program's live state; other parts reach it only through this interface.
#pragma once
#include <windows.h>

#include <string>

#include "app/exit_origin.h"
#include "cleaner/cleaning_commands.h"
#include "cleaner/cleanup_runner.h"
#include "password/password_gate.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/power.h"
#include "platform/profile.h"
#include "platform/registry.h"

namespace dusk {

// The main window's pages, numbered as their picture boxes Picture1..Picture7.
enum class Page {
  Main = 1,      // Picture1: countdown
  Cleanup = 2,   // Picture2
  Settings = 3,  // Picture3: warning message and sound
  Toolbar = 4,   // Picture4
  Hotkeys = 5,   // Picture5
  Password = 6,  // Picture6
  Schedule = 7,  // Picture7
};

class ShellServices {
 public:
  virtual ~ShellServices() = default;

  // Platform services the program runs with (real ones in the shipped program,
  // a recording power service in the test build).
  virtual PowerApi& Power() = 0;
  virtual Dialogs& Messages() = 0;
  virtual Clock& WallClock() = 0;
  virtual ProfileApi& Profile() = 0;
  virtual Registry& UserRegistry() = 0;
  virtual CleanupRunner& Cleanup() = 0;            // the ticked tasks before a power action
  virtual CleaningCommands& Cleaning() = 0;        // the tray's cleaning commands
  virtual PasswordGate& Password() = 0;

  // The folder of the executable (batch files, pictures), the folder of config.ini and
  // system.vvc (beside the exe, or the user's own one for an installed copy), and
  // config.ini itself.
  virtual std::string ProgramFolder() const = 0;
  virtual std::string DataFolder() const { return ProgramFolder(); }
  virtual std::string SettingsFile() const = 0;
  // Text13: the hibernation file tested before hibernating.
  virtual std::string HibernationFilePath() const = 0;

  // frmMain1
  virtual HWND MainWindow() const = 0;
  virtual void ShowMainWindow() = 0;  // visible and active, on the page shown last
  virtual void ShowPage(Page page) = 0;
  virtual void HideMainWindow() = 0;
  virtual void ShowAbout() = 0;  // returns at once
  // Modal, owned by `owner` (the tray menu's window): returns once it is closed.
  virtual void ShowAboutModal(HWND owner) {
    (void)owner;
    ShowAbout();
  }
  // lblStatus, the status line of the main window.
  virtual void SetStatusText(const std::string& text) = 0;
  // "Do you really want to exit ?" and the closing order (password first when on).
  virtual void EndProgram(ExitOrigin origin) = 0;

  // The tray icon record: the tip is padded to 64 characters by the tray code;
  // the icon is the main window's icon or none (used for blinking).
  virtual void SetTrayTip(const std::string& tip) = 0;
  virtual void SetTrayIconShown(bool shown) = 0;

  // Form4, "Please wait  Working ............", shown without blocking while a
  // cleaning command runs.
  virtual void ShowWorkingWindow() {}
  virtual void HideWorkingWindow() {}

  // The user's folders read at start-up: browser history, cache and cookies from the
  // shell folders, and the temporary folder. Empty when the system has none.
  virtual std::string HistoryFolder() const { return {}; }
  virtual std::string CacheFolder() const { return {}; }
  virtual std::string CookiesFolder() const { return {}; }
  virtual std::string TempFolder() const { return {}; }
};

}  // namespace dusk
