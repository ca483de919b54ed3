// frmMain1: the frame of pages that holds the program's live state, its tray icon
// and the services every other window reaches through ShellServices.
#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/win/program.h"
#include "app/win/program_cleaner.h"
#include "app/win/shell_services.h"
#include "app/win/startup_seams.h"
#include "app/win/tray_icon.h"
#include "widgets/win/focus_keeper.h"

namespace dusk {

class TrayMenu;
class AboutWindow;
class WorkingWindow;

class MainFrame : public ShellServices {
 public:
  explicit MainFrame(ProgramServices& services);
  ~MainFrame() override;
  MainFrame(const MainFrame&) = delete;
  MainFrame& operator=(const MainFrame&) = delete;

  // Creates the window hidden and runs its initialisation. A second instance ends
  // the process inside this call.
  bool Create();

  // ShellServices
  PowerApi& Power() override { return services_.power; }
  Dialogs& Messages() override { return services_.dialogs; }
  Clock& WallClock() override { return services_.clock; }
  ProfileApi& Profile() override { return services_.profile; }
  Registry& UserRegistry() override { return services_.registry; }
  CleanupRunner& Cleanup() override { return cleaner_.cleaning(); }
  CleaningCommands& Cleaning() override { return cleaner_.cleaning(); }
  // Made by the start-up before anything that may ask for the password.
  PasswordGate& Password() override { return password_->Gate(); }
  std::string ProgramFolder() const override;
  std::string DataFolder() const override { return dataFolder_; }
  std::string SettingsFile() const override;
  std::string HibernationFilePath() const override { return hibernationFile_; }
  HWND MainWindow() const override { return hwnd_; }
  void ShowMainWindow() override;
  void ShowPage(Page page) override;
  void HideMainWindow() override;
  void ShowAbout() override;
  void ShowAboutModal(HWND owner) override;
  const AboutWindow* About() const { return about_.get(); }
  void SetStatusText(const std::string& text) override;
  void EndProgram(ExitOrigin origin) override;
  void SetTrayTip(const std::string& tip) override;
  void SetTrayIconShown(bool shown) override;

  void ShowWorkingWindow() override;
  void HideWorkingWindow() override;
  std::string HistoryFolder() const override { return historyFolder_; }
  std::string CacheFolder() const override { return cacheFolder_; }
  std::string CookiesFolder() const override { return cookiesFolder_; }
  std::string TempFolder() const override { return tempFolder_; }
  const std::string& StartMenuFolder() const { return startMenuFolder_; }

  HWND PageWindow(Page page) const { return pages_[static_cast<int>(page) - 1]; }
  Page CurrentPage() const { return currentPage_; }
  const TrayIcon* Tray() const { return tray_.get(); }
  // Ends the program without asking (the closing order, then the process ends).
  [[noreturn]] void CloseEverythingAndEnd(ExitOrigin origin);

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;

 private:
  void Initialise();
  void CreateFrame();
  void OnTrayOrMouseMove(LPARAM lp);
  void SavePosition();
  void OnEntryMouse(int index, bool pressed, int button);
  void OnWindowButtonMouse(bool isClose, bool pressed, int button);
  void OpenWebLink(int id);
  void Paint();
  void AddLinkTooltips();
  void EnsureSingleInstance();
  HWND FirstOnPage() const;

  ProgramServices& services_;
  std::string dataFolder_;  // where config.ini and system.vvc live, decided once at start
  ProgramCleaner cleaner_;
  std::unique_ptr<PasswordPart> password_;
  std::array<HWND, 7> pages_{};
  std::array<HWND, 8> entries_{};
  std::array<int, 8> entryPictures_{};  // skin picture shown by each entry
  int closePicture_ = 4, minimizePicture_ = 6;
  HWND navigation_ = nullptr, links_ = nullptr, status_ = nullptr;
  HWND close_ = nullptr, minimize_ = nullptr, tooltips_ = nullptr;
  Page currentPage_ = Page::Main;
  FocusKeeper focus_;
  std::string startMenuFolder_, hibernationFile_;
  std::string historyFolder_, cacheFolder_, cookiesFolder_, tempFolder_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<TrayMenu> trayMenu_;
  std::unique_ptr<AboutWindow> about_;
  std::unique_ptr<WorkingWindow> working_;
  std::vector<std::unique_ptr<StartupPart>> parts_;
  HANDLE instanceMutex_ = nullptr;
  std::optional<POINT> lastSavedPosition_;
  HFONT font_ = nullptr, titleFont_ = nullptr, linkFont_ = nullptr;
  HICON icon_ = nullptr;
};

}  // namespace dusk
