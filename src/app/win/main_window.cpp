#include "app/win/main_window.h"

#include <shellapi.h>

#include <cstring>
#include <windowsx.h>

#include "app/app_identity.h"
#include "app/closing_order.h"
#include "app/form_position.h"
#include "app/page_navigation.h"
#include "app/registry_routines.h"
#include "app/settings_file.h"
#include "app/tray_tip.h"
#include "app/win/about_window.h"
#include "app/win/hwnd_position.h"
#include "app/win/main_window_ids.h"
#include "app/win/skin_area.h"
#include "app/win/tray_menu.h"
#include "app/win/window_class.h"
#include "app/web_links.h"
#include "power/power_actions.h"

namespace dusk {
namespace {

constexpr int kClientWidth = 500, kClientHeight = 433;
constexpr int kTitleHeight = 30, kNavigationWidth = 120, kLinksHeight = 76;
constexpr int kEntryHeight = 34;
constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kInstanceMutex = "Dusklatch.SingleInstance.5f0c2a";
constexpr COLORREF kFrameColour = RGB(36, 46, 72);
constexpr COLORREF kPageColour = RGB(236, 239, 245);
constexpr COLORREF kLinkColour = RGB(40, 80, 170);

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

HWND Child(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, HWND parent,
           int id, HFONT font = nullptr) {
  HWND child = CreateWindowExA(0, cls, text, WS_CHILD | style, x, y, w, h, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                               nullptr);
  if (font) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

// Pages, the navigation column and the links panel pass their controls' messages
// on to the main window.
LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case kSkinAreaMouse:
      return SendMessageA(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

MouseButton ButtonOf(int button) {
  return button == 0 ? MouseButton::Left : button == 1 ? MouseButton::Right : MouseButton::Middle;
}

std::string TempFolderPath() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD n = GetTempPathA(MAX_PATH, buffer);
  std::string path(buffer, n <= MAX_PATH ? n : 0);
  if (path.size() > 3 && path.back() == '\\') path.pop_back();  // as the file-system object gives it
  return path;
}

}  // namespace

MainFrame::MainFrame(ProgramServices& services) : services_(services) {
  entryPictures_.fill(static_cast<int>(SkinPicture::EntryReleased));
}

MainFrame::~MainFrame() {
  about_.reset();
  trayMenu_.reset();
  parts_.clear();
  if (tray_) tray_->Delete();
  if (hwnd_) DestroyWindow(hwnd_);
  for (HFONT f : {font_, titleFont_, linkFont_})
    if (f) DeleteObject(f);
  if (instanceMutex_) CloseHandle(instanceMutex_);
}

std::string MainFrame::ProgramFolder() const {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  const auto slash = folder.find_last_of('\\');
  return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

std::string MainFrame::SettingsFile() const { return SettingsFilePath(ProgramFolder()); }

bool MainFrame::Create() {
  RegisterWindowClass("frmMain1", WindowTrampoline<MainFrame>, nullptr);
  static HBRUSH pageBrush = CreateSolidBrush(kPageColour);
  RegisterWindowClass("DuskPanel", PanelProc, pageBrush);
  RegisterSkinAreaClass();
  icon_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  if (!icon_) icon_ = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));  // never an empty tray slot
  RECT frame{0, 0, kClientWidth, kClientHeight};
  const DWORD style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  CreateWindowExA(0, "frmMain1", kAppTitle, style, 0, 0, frame.right - frame.left,
                  frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (!hwnd_) return false;
  Initialise();
  return true;
}

void MainFrame::Initialise() {
  // Where the Start Menu lives gives the system drive and so the hibernation file.
  startMenuFolder_ =
      ReadRegString(UserRegistry(), RegRoot::CurrentUser, kShellFolders, "Start Menu").value_or("");
  hibernationFile_ = dusk::HibernationFilePath(startMenuFolder_);

  {
    PositionServices positions{UserRegistry(), Messages()};
    HwndPosition window(hwnd_, "frmMain1");
    LoadFormPosition(positions, window);
  }
  CreateFrame();

  // The countdown and its warnings read their settings and fill the action list.
  parts_.push_back(CreateTimerPart(*this, PageWindow(Page::Main), PageWindow(Page::Settings)));
  ShowPage(Page::Main);

  EnsureSingleInstance();

  // From here on a failing step is skipped.
  try {
    parts_.push_back(CreateSchedulePart(*this, PageWindow(Page::Schedule)));
  } catch (...) {
  }
  tray_ = std::make_unique<TrayIcon>(hwnd_, icon_);
  tray_->Add();
  try {
    historyFolder_ = ReadRegString(UserRegistry(), RegRoot::CurrentUser, kShellFolders, "History").value_or("");
    cacheFolder_ = ReadRegString(UserRegistry(), RegRoot::CurrentUser, kShellFolders, "Cache").value_or("");
    cookiesFolder_ = ReadRegString(UserRegistry(), RegRoot::CurrentUser, kShellFolders, "Cookies").value_or("");
    tempFolder_ = TempFolderPath();
  } catch (...) {
  }
  ShowPage(Page::Main);
}

void MainFrame::EnsureSingleInstance() {
  instanceMutex_ = CreateMutexA(nullptr, FALSE, kInstanceMutex);
  if (instanceMutex_ && GetLastError() != ERROR_ALREADY_EXISTS) return;
  Messages().Show("Dusklatch is already running.Double click on the tray icon to open the Application.",
                  kAppTitle, MsgButtons::Ok, MsgIcon::Information);
  ExitProcess(0);
}

void MainFrame::CreateFrame() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  font_ = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, "Tahoma");
  titleFont_ = CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, "Tahoma");
  linkFont_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, TRUE, 0, ANSI_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, "Tahoma");
  (void)instance;

  Child("STATIC", " Dusklatch 1.0", WS_VISIBLE | SS_LEFT, 8, 7, 200, 18, hwnd_, ids::kTitle, titleFont_);
  minimize_ = CreateSkinArea(hwnd_, ids::kMinimize, "_", kClientWidth - 52, 5, 20, 20,
                             static_cast<int>(SkinPicture::MinimizeReleased));
  close_ = CreateSkinArea(hwnd_, ids::kClose, "x", kClientWidth - 28, 5, 20, 20,
                          static_cast<int>(SkinPicture::CloseReleased));

  navigation_ = Child("DuskPanel", nullptr, WS_VISIBLE | WS_CLIPCHILDREN, 0, kTitleHeight, kNavigationWidth,
                      kClientHeight - kTitleHeight, hwnd_, ids::kNavigationColumn);
  for (std::size_t i = 0; i < kNavigationEntries.size(); ++i) {
    entries_[i] = CreateSkinArea(navigation_, ids::kNavigationEntry + static_cast<int>(i),
                                 kNavigationEntries[i].caption, 8, 10 + static_cast<int>(i) * (kEntryHeight + 4),
                                 kNavigationWidth - 16, kEntryHeight, entryPictures_[i]);
  }
  const WebLink& navHelp = WebLinkById(ids::kNavHelpLink);
  Child("STATIC", navHelp.caption, WS_VISIBLE | SS_NOTIFY | SS_CENTER, 8, kClientHeight - kTitleHeight - 28,
        kNavigationWidth - 16, 16, navigation_, navHelp.id, linkFont_);

  const int pageHeight = kClientHeight - kTitleHeight - kLinksHeight;
  for (int i = 0; i < 7; ++i) {
    pages_[i] = Child("DuskPanel", nullptr, WS_CLIPCHILDREN, kNavigationWidth, kTitleHeight,
                      kClientWidth - kNavigationWidth, pageHeight, hwnd_, ids::kPage + i + 1, font_);
  }
  // The pages nobody else fills yet.
  for (Page page : {Page::Cleanup, Page::Toolbar, Page::Hotkeys, Page::Password}) {
    RECT area;
    GetClientRect(PageWindow(page), &area);
    Child("STATIC", "This page is not built yet.", WS_VISIBLE | SS_CENTER, 0, area.bottom / 2 - 10, area.right,
          20, PageWindow(page), 0, font_);
  }

  links_ = Child("DuskPanel", nullptr, WS_VISIBLE, kNavigationWidth, kTitleHeight + pageHeight,
                 kClientWidth - kNavigationWidth, kLinksHeight, hwnd_, ids::kLinksPanel);
  status_ = Child("STATIC", "", WS_VISIBLE | SS_LEFT, 8, 3, 364, 16, links_, ids::kStatus, font_);
  auto textWidth = [this](HFONT font, const char* text) {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return static_cast<int>(size.cx) + 2;
  };
  int x = 8;
  for (int id : {ids::kHelpLink, ids::kForumLink, ids::kRegisterLink, ids::kSoftwareLink}) {
    if (id == ids::kSoftwareLink) x = 8;  // a line of its own
    const int y = id == ids::kSoftwareLink ? 38 : 21;
    const WebLink& link = WebLinkById(id);
    const int width = textWidth(linkFont_, link.caption);
    Child("STATIC", link.caption, WS_VISIBLE | SS_NOTIFY, x, y, width, 16, links_, id, linkFont_);
    x += width + 12;
  }
  // The banner: name, maker and address, each a link to the home page.
  x = 8;
  for (int id : {ids::kBannerName, ids::kBannerBy, ids::kBannerAddress}) {
    const WebLink& link = WebLinkById(id);
    const int width = textWidth(font_, link.caption);
    Child("STATIC", link.caption, WS_VISIBLE | SS_NOTIFY, x, 56, width, 16, links_, id, font_);
    x += width + 4;
  }
}

void MainFrame::ShowMainWindow() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void MainFrame::ShowPage(Page page) {
  currentPage_ = page;
  for (int i = 0; i < 7; ++i) ShowWindow(pages_[i], i + 1 == static_cast<int>(page) ? SW_SHOW : SW_HIDE);
}

void MainFrame::HideMainWindow() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void MainFrame::ShowAbout() {
  if (!about_) about_ = std::make_unique<AboutWindow>([this] { ShowMainWindow(); });
  HideMainWindow();
  about_->Open();
}

void MainFrame::SetStatusText(const std::string& text) {
  if (status_) SetWindowTextA(status_, text.c_str());
}

void MainFrame::CloseMainWindowAfterPowerAction() {
  exitFlag_ = true;
  if (hwnd_) SendMessageA(hwnd_, WM_CLOSE, 0, 0);
}

void MainFrame::EndProgram(ExitOrigin origin) {
  Password().Guard(PendingCommand::Exit, [this, origin] {
    if (Messages().Show("Do you really want to exit ?", kAppTitle, MsgButtons::YesNo, MsgIcon::Exclamation) !=
        MsgResult::Yes)
      return;
    CloseEverythingAndEnd(origin);
  });
}

void MainFrame::CloseEverythingAndEnd(ExitOrigin origin) {
  if (tray_) tray_->Delete();
  HWND asking = GetActiveWindow();
  for (const std::string& name : ClosingOrder(origin)) {
    if (name == "frmMain1") {
      HideMainWindow();  // the exit flag is clear: closing only hides it
    } else if (name == "frmAbout") {
      if (about_) about_->Close();
    } else if (name == "Form2") {
      if (trayMenu_) trayMenu_->Close();
    } else {
      for (HWND w = FindWindowA(name.c_str(), nullptr); w; w = FindWindowA(name.c_str(), nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid != GetCurrentProcessId()) break;
        DestroyWindow(w);
      }
    }
  }
  if (asking && asking != hwnd_ && IsWindow(asking)) DestroyWindow(asking);
  ExitProcess(0);
}

void MainFrame::SetTrayTip(const std::string& tip) {
  if (!tray_) return;
  tray_->SetTip(tip);
  tray_->Modify();
}

void MainFrame::SetTrayIconShown(bool shown) {
  if (!tray_) return;
  tray_->SetIconShown(shown);
  tray_->Modify();
}

void MainFrame::SavePosition() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  // Nothing to store while the window stays where it was last saved.
  if (lastSavedPosition_ && lastSavedPosition_->x == r.left && lastSavedPosition_->y == r.top) return;
  PositionServices positions{UserRegistry(), Messages()};
  HwndPosition window(hwnd_, "frmMain1");
  SaveFormPosition(positions, window);
  lastSavedPosition_ = POINT{r.left, r.top};
}

void MainFrame::OnTrayOrMouseMove(LPARAM lp) {
  switch (DecodeTrayCallback(static_cast<std::uint32_t>(lp))) {
    case TrayMouse::DoubleClick:
      if (about_ && about_->IsOpen()) about_->Close();
      ShowMainWindow();
      break;
    case TrayMouse::RightButtonUp: {
      SetForegroundWindow(hwnd_);
      if (!trayMenu_) trayMenu_ = std::make_unique<TrayMenu>(*this);
      POINT at;
      GetCursorPos(&at);
      trayMenu_->PopUp(hwnd_, at);
      break;
    }
    case TrayMouse::None:
      break;
  }
  if (hwnd_) SavePosition();
}

void MainFrame::OnEntryMouse(int index, bool pressed, int button) {
  const NavigationEntry& entry = kNavigationEntries[index];
  const EntryReaction reaction = pressed ? PressEntry(entry, ButtonOf(button)) : ReleaseEntry(entry, ButtonOf(button));
  if (reaction.picture) {
    entryPictures_[index] = static_cast<int>(*reaction.picture);
    SetSkinAreaPicture(entries_[index], entryPictures_[index]);
  }
  if (!reaction.page) return;
  if (*reaction.page == 0)
    ShowAbout();
  else
    ShowPage(static_cast<Page>(*reaction.page));
}

void MainFrame::OnWindowButtonMouse(bool isClose, bool pressed, int button) {
  const auto picture = pressed ? PressWindowButton(isClose, ButtonOf(button))
                               : ReleaseWindowButton(isClose, ButtonOf(button));
  if (picture) {
    (isClose ? closePicture_ : minimizePicture_) = static_cast<int>(*picture);
    SetSkinAreaPicture(isClose ? close_ : minimize_, static_cast<int>(*picture));
  }
  if (!pressed) HideMainWindow();
}

void MainFrame::OpenWebLink(int id) {
  const std::string address = WebLinkAddress(WebLinkById(id));
  ShellExecuteA(hwnd_, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void MainFrame::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT all;
  GetClientRect(hwnd_, &all);
  HBRUSH frame = CreateSolidBrush(kFrameColour);
  FillRect(dc, &all, frame);
  DeleteObject(frame);
  EndPaint(hwnd_, &ps);
}

LRESULT MainFrame::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == TaskbarCreatedMessage() && msg != 0) {
    // The shell restarted: the icon has to be added again.
    if (tray_) tray_->Add();
    return 0;
  }
  switch (msg) {
    case WM_MOUSEMOVE:
      OnTrayOrMouseMove(lp);
      return 0;
    case kSkinAreaMouse: {
      const int id = LOWORD(wp);
      const bool pressed = HIWORD(wp) != 0;
      if (id >= ids::kNavigationEntry && id < ids::kNavigationEntry + 8)
        OnEntryMouse(id - ids::kNavigationEntry, pressed, static_cast<int>(lp));
      else if (id == ids::kClose || id == ids::kMinimize)
        OnWindowButtonMouse(id == ids::kClose, pressed, static_cast<int>(lp));
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wp) == STN_CLICKED && IsWebLink(LOWORD(wp))) OpenWebLink(LOWORD(wp));
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wp);
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lp));
      SetBkMode(dc, TRANSPARENT);
      if (id == ids::kTitle) {
        SetTextColor(dc, RGB(255, 255, 255));
        static HBRUSH frame = CreateSolidBrush(kFrameColour);
        return reinterpret_cast<LRESULT>(frame);
      }
      static HBRUSH page = CreateSolidBrush(kPageColour);
      if (IsWebLink(id)) SetTextColor(dc, kLinkColour);
      return reinterpret_cast<LRESULT>(page);
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case kEscapePressed:
      HideMainWindow();
      return 1;
    case WM_CLOSE:
      if (!exitFlag_) {
        HideMainWindow();
        return 0;
      }
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      // Only after a power action: the program keeps running without its window.
      if (tray_) tray_->Delete();
      return 0;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace dusk
