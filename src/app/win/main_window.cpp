#include "app/win/main_window.h"

#include <shellapi.h>

#include <commctrl.h>

#include <cstring>

#include "app/app_identity.h"
#include "app/closing_order.h"
#include "app/form_position.h"
#include "app/page_navigation.h"
#include "app/registry_routines.h"
#include "app/settings_file.h"
#include "app/tray_tip.h"
#include "app/win/about_window.h"
#include "app/win/data_folder.h"
#include "app/win/frame_art.h"
#include "app/win/hwnd_position.h"
#include "app/win/main_window_ids.h"
#include "app/win/skin_area.h"
#include "app/win/tray_menu.h"
#include "app/win/window_class.h"
#include "app/win/working_window.h"
#include "app/web_links.h"
#include "power/power_actions.h"
#include "timer/win/timer_page.h"
#include "widgets/win/themed_button.h"

namespace dusk {
namespace {

constexpr int kClientWidth = 500, kClientHeight = 433;
constexpr int kTitleHeight = 30, kNavigationWidth = 120, kLinksHeight = 64;
constexpr int kEntryHeight = 30;  // the entry pictures' height
constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kInstanceMutex = "Dusklatch.SingleInstance.5f0c2a";
constexpr COLORREF kPageColour = RGB(36, 40, 62);

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

HWND Child(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, HWND parent,
           int id, HFONT font = nullptr) {
  // Panels hold controls: Tab goes into them.
  HWND child = CreateWindowExA(WS_EX_CONTROLPARENT, cls, text, WS_CHILD | style, x, y, w, h, parent,
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
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // The navigation column's background is part of the frame the window moves by.
      if (GetDlgCtrlID(hwnd) == ids::kNavigationColumn) return MoveOnPress(GetAncestor(hwnd, GA_ROOT), msg);
      return 0;
    case WM_LBUTTONUP:
      // The banner picture is a link as well.
      if (GetDlgCtrlID(hwnd) == ids::kLinksPanel)
        SendMessageA(GetAncestor(hwnd, GA_ROOT), WM_COMMAND, MAKEWPARAM(ids::kBannerPicture, STN_CLICKED), 0);
      return 0;
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(hwnd, &area);
      DrawFrameBackground(reinterpret_cast<HDC>(wp), OriginInRoot(hwnd), area);
      return 1;
    }
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

MainFrame::MainFrame(ProgramServices& services)
    : services_(services), dataFolder_(DataFolderFor(ProgramFolder())), cleaner_(*this, services.shellCleaning) {
  entryPictures_.fill(static_cast<int>(SkinPicture::EntryReleased));
}

MainFrame::~MainFrame() {
  about_.reset();
  working_.reset();
  trayMenu_.reset();
  parts_.clear();
  password_.reset();
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

std::string MainFrame::SettingsFile() const { return SettingsFilePath(DataFolder()); }

bool MainFrame::Create() {
  RegisterWindowClass("frmMain1", WindowTrampoline<MainFrame>, nullptr);
  RegisterWindowClass("DuskPanel", PanelProc, nullptr);
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
  parts_.push_back(CreateCleanerPart(*this, PageWindow(Page::Cleanup), cleaner_.page()));
  password_ = CreatePasswordPart(*this, PageWindow(Page::Password));
  parts_.push_back(CreateTimerPart(*this, PageWindow(Page::Main), PageWindow(Page::Settings)));
  parts_.push_back(CreateHotkeyPart(*this, PageWindow(Page::Hotkeys)));
  ShowPage(Page::Main);
  parts_.push_back(CreateContextMenuPart(*this));

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
  try {
    cleaner_.Start();
  } catch (...) {
  }
  try {
    parts_.push_back(CreateToolbarPart(*this, PageWindow(Page::Toolbar)));
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
  font_ = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, "Tahoma");
  titleFont_ = CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, "Tahoma");
  linkFont_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, TRUE, 0, ANSI_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, "Tahoma");
  auto label = [](HWND parent, int id, const char* text, int x, int y, int w, int h, HFONT font, bool link,
                  UINT format = DT_LEFT) {
    HWND made = CreateFrameLabel(parent, id, text, x, y, w, h, link, format);
    SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return made;
  };

  // Title bar: the title, the status line, help, minimise and close.
  const std::string title = std::string(" ").append(kAppNameAndVersion);
  label(hwnd_, ids::kTitle, title.c_str(), 8, 8, 130, 18, titleFont_, false);
  status_ = label(hwnd_, ids::kStatus, "Timer Disabled", 140, 9, 250, 16, font_, false, DT_CENTER);
  label(hwnd_, ids::kNavHelpLink, WebLinkById(ids::kNavHelpLink).caption, 404, 9, 36, 16, linkFont_, true);
  minimize_ = CreateSkinArea(hwnd_, ids::kMinimize, "", kClientWidth - 48, 6, 18, 18,
                             static_cast<int>(SkinPicture::MinimizeReleased));
  close_ = CreateSkinArea(hwnd_, ids::kClose, "", kClientWidth - 26, 6, 18, 18,
                          static_cast<int>(SkinPicture::CloseReleased));

  navigation_ = Child("DuskPanel", nullptr, WS_VISIBLE | WS_CLIPCHILDREN, 0, kTitleHeight, kNavigationWidth,
                      kClientHeight - kTitleHeight, hwnd_, ids::kNavigationColumn);
  for (std::size_t i = 0; i < kNavigationEntries.size(); ++i) {
    entries_[i] = CreateSkinArea(navigation_, ids::kNavigationEntry + static_cast<int>(i),
                                 kNavigationEntries[i].caption, 0, 8 + static_cast<int>(i) * (kEntryHeight + 2),
                                 kNavigationWidth, kEntryHeight, entryPictures_[i], true);
  }
  // The links to the maker's site, under the entries.
  int y = 8 + 8 * (kEntryHeight + 2) + 18;
  for (int id : {ids::kHelpLink, ids::kForumLink, ids::kRegisterLink, ids::kSoftwareLink}) {
    const int height = id == ids::kSoftwareLink ? 44 : 16;
    label(navigation_, id, WebLinkById(id).caption, 10, y, kNavigationWidth - 16, height, linkFont_, true);
    y += height + 4;
  }

  const int pageHeight = kClientHeight - kTitleHeight - kLinksHeight;
  for (int i = 0; i < 7; ++i) {
    pages_[i] = Child("DuskPanel", nullptr, WS_CLIPCHILDREN, kNavigationWidth, kTitleHeight,
                      kClientWidth - kNavigationWidth, pageHeight, hwnd_, ids::kPage + i + 1, font_);
  }

  // The banner under the pages (the panel draws its picture): the name, the maker
  // and the address, each a link to the home page, like the picture itself.
  links_ = Child("DuskPanel", nullptr, WS_VISIBLE | WS_CLIPCHILDREN, kNavigationWidth, kTitleHeight + pageHeight,
                 kClientWidth - kNavigationWidth, kLinksHeight, hwnd_, ids::kLinksPanel);
  auto textWidth = [this](const char* text) {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font_);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return static_cast<int>(size.cx) + 4;
  };
  const int bannerIds[] = {ids::kBannerName, ids::kBannerBy, ids::kBannerAddress};
  int total = 0;
  for (int id : bannerIds) total += textWidth(WebLinkById(id).caption) + 2;
  int x = kClientWidth - kNavigationWidth - 6 - total;  // right-aligned under the picture's sky
  for (int id : bannerIds) {
    const int width = textWidth(WebLinkById(id).caption);
    label(links_, id, WebLinkById(id).caption, x, 4, width, 16, font_, true);
    x += width + 2;
  }
  AddLinkTooltips();
}

void MainFrame::AddLinkTooltips() {
  tooltips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  for (int id : {ids::kHelpLink, ids::kForumLink, ids::kRegisterLink}) {
    const WebLink& link = WebLinkById(id);
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(navigation_, id));
    tool.lpszText = const_cast<char*>(link.tooltip);
    SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void MainFrame::ShowMainWindow() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void MainFrame::ShowPage(Page page) {
  currentPage_ = page;
  HWND focus = GetFocus();
  bool focusOnHiddenPage = false;
  for (int i = 0; i < 7; ++i) {
    const bool shown = i + 1 == static_cast<int>(page);
    if (!shown && focus && IsChild(pages_[i], focus)) focusOnHiddenPage = true;
    ShowWindow(pages_[i], shown ? SW_SHOW : SW_HIDE);
  }
  // The keyboard must not be left on a control nobody can see.
  if (focusOnHiddenPage) SetFocus(FirstOnPage());
}

// The first control of the page shown, or the window itself when the page has none.
HWND MainFrame::FirstOnPage() const {
  HWND page = PageWindow(currentPage_);
  HWND first = page ? GetNextDlgTabItem(page, nullptr, FALSE) : nullptr;
  return first && IsChild(page, first) ? first : hwnd_;
}

void MainFrame::HideMainWindow() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void MainFrame::ShowAbout() {
  if (!about_) about_ = std::make_unique<AboutWindow>([this] { ShowMainWindow(); });
  HideMainWindow();
  about_->Open();
}

void MainFrame::ShowAboutModal(HWND owner) {
  if (!about_) about_ = std::make_unique<AboutWindow>([this] { ShowMainWindow(); });
  HideMainWindow();
  about_->OpenModal(owner);
}

void MainFrame::SetStatusText(const std::string& text) {
  if (status_) SetWindowTextA(status_, text.c_str());
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
    } else if (name == "Form4") {
      if (working_) working_->Close();
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
  for (const auto& part : parts_) part->ProgramEnding();
  ExitProcess(0);
}

void MainFrame::ShowWorkingWindow() {
  if (!working_) working_ = std::make_unique<WorkingWindow>();
  working_->Show();
}

void MainFrame::HideWorkingWindow() {
  if (working_) working_->Hide();
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
  // The timer page's button opens the links on the window's behalf.
  HWND timerPage = FindWindowExA(PageWindow(Page::Main), nullptr, "DusklatchTimerPage", nullptr);
  HWND button = timerPage ? GetDlgItem(timerPage, kIsButton1) : nullptr;
  OpenLink(button ? button : hwnd_, address);
}

void MainFrame::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT all;
  GetClientRect(hwnd_, &all);
  DrawFrameBackground(dc, POINT{0, 0}, all);
  EndPaint(hwnd_, &ps);
}

LRESULT MainFrame::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == TaskbarCreatedMessage() && msg != 0) {
    // The shell restarted: the icon has to be added again.
    if (tray_) tray_->Add();
    return 0;
  }
  // The window has no caption: a press on its own surface (not on a control) moves it.
  if (MoveOnPress(hwnd_, msg)) return 0;
  switch (msg) {
    case WM_MOUSEMOVE:
      OnTrayOrMouseMove(lp);
      return 0;
    case WM_EXITSIZEMOVE:
      SavePosition();
      return 0;
    case WM_ACTIVATE:
      // As a dialog box does: the focus comes back to where it was when the window was
      // left, or goes to the first control of the page shown.
      focus_.OnActivate(hwnd_, wp, FirstOnPage());
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
      // Plain labels that other parts put on the pages: light text on the page colour.
      static HBRUSH page = CreateSolidBrush(kPageColour);
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      SetTextColor(reinterpret_cast<HDC>(wp), RGB(232, 232, 245));
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
    case ProgramCleaner::kRunQueuedMessage:
      cleaner_.cleaning().RunQueuedCommands();
      return 0;
    case WM_CLOSE:
      // Closing only hides: the program lives on in the tray.
      HideMainWindow();
      return 0;
    case WM_ENDSESSION:
      // Windows is ending the user's logon: the program goes with it, as tray
      // programs do, without asking and without its icon left behind.
      if (wp) {
        if (tray_) tray_->Delete();
        DestroyWindow(hwnd_);
        PostQuitMessage(0);
      }
      return 0;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace dusk
