#include "app/win/about_window.h"

#include <string>

#include "app/app_identity.h"
#include "app/win/frame_art.h"
#include "app/win/main_window_ids.h"
#include "app/win/program.h"
#include "app/win/window_class.h"
#include "widgets/win/window_buttons.h"
#include "../../../resources/resource_ids.h"

namespace dusk {
namespace {

constexpr int kWidth = 385, kHeight = 162;

HWND Label(HWND parent, const char* text, int x, int y, int w, int h, HFONT font, int id = 0) {
  HWND label = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (font) SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

}  // namespace

AboutWindow::AboutWindow(std::function<void()> onOk) : onOk_(std::move(onOk)) {}

AboutWindow::~AboutWindow() {
  if (alive_) *alive_ = false;  // a modal loop below us must not touch this object again
  Close();
}

bool AboutWindow::Create(HWND owner) {
  RegisterWindowClass("frmAbout", WindowTrampoline<AboutWindow>, GetSysColorBrush(COLOR_BTNFACE));
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  CreateWindowExA(WS_EX_TOOLWINDOW, "frmAbout", "About", WS_POPUP | WS_BORDER, x, y, kWidth, kHeight,
                  owner, nullptr, GetModuleHandleA(nullptr), this);
  return hwnd_ != nullptr;
}

void AboutWindow::BringToFront() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void AboutWindow::Open() {
  if (hwnd_) return BringToFront();
  if (!Create(nullptr)) return;
  BringToFront();
  SetFocus(GetDlgItem(hwnd_, ids::kAboutOk));
}

void AboutWindow::OpenModal(HWND owner) {
  if (hwnd_) return BringToFront();
  if (!owner || !IsWindow(owner)) return Open();
  if (!Create(owner)) return;
  modalOwner_ = owner;
  EnableWindow(owner, FALSE);
  BringToFront();
  SetFocus(GetDlgItem(hwnd_, ids::kAboutOk));

  bool alive = true;
  alive_ = &alive;
  const HWND window = hwnd_;
  RunMessageLoopWhile([&] { return alive && hwnd_ == window; });
  if (!alive) return;  // destroyed from inside the loop
  alive_ = nullptr;
  // A quit request may end the loop with the window still there.
  Close();
}

void AboutWindow::ReleaseOwner() {
  HWND owner = modalOwner_;
  modalOwner_ = nullptr;
  if (owner && IsWindow(owner)) EnableWindow(owner, TRUE);
}

void AboutWindow::Close() {
  // The owner comes back before the window goes, so that it can take the activation.
  ReleaseOwner();
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT AboutWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: {
      HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
      nameFont_ = CreateFontA(-22, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                              "Tahoma");
      // The picture (with the name on it) fills the top; the maker's lines below it.
      Label(hwnd_, "By :", 258, 22, 120, 16, gui);
      Label(hwnd_, kMakerName, 258, 40, 124, 16, gui);
      Label(hwnd_, (std::string("Version ") + kAppVersionText).c_str(), 258, 66, 124, 16, gui, ids::kAboutVersion);
      Label(hwnd_, kMakerWebAddress, 14, 100, 250, 16, gui);
      Label(hwnd_, kMakerSupportAddress, 14, 120, 250, 16, gui);
      // The push button the program's other windows have, in their font.
      MakeThemedButton(hwnd_, ids::kAboutOk, "Ok", kWidth - 100, kHeight - 42, 80, 26, kWindowButtonStyle);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == ids::kAboutOk && HIWORD(wp) == BN_CLICKED) {
        Close();
        if (onOk_) onOk_();
      }
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      // However the window goes, a disabled owner is enabled again, and a modal loop
      // waiting in GetMessage wakes up to see it gone.
      ReleaseOwner();
      if (alive_) PostMessageA(nullptr, WM_NULL, 0, 0);
      if (nameFont_) DeleteObject(nameFont_);
      nameFont_ = nullptr;
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case kEscapePressed:
      Close();
      return 1;
    case WM_CTLCOLORSTATIC: {
      // The labels let clicks through to the window's surface.
      static HBRUSH night = CreateSolidBrush(RGB(20, 23, 38));
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      SetTextColor(reinterpret_cast<HDC>(wp), RGB(232, 232, 245));
      return reinterpret_cast<LRESULT>(night);
    }
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wp);
      RECT area;
      GetClientRect(hwnd_, &area);
      HBRUSH night = CreateSolidBrush(RGB(20, 23, 38));
      FillRect(dc, &area, night);
      DeleteObject(night);
      RECT picture{0, 0, 248, 90};  // the picture's own proportions
      if (!DrawResourcePicture(dc, IDB_ABOUT, picture)) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(232, 232, 245));
        HGDIOBJ old = SelectObject(dc, nameFont_);
        DrawTextA(dc, kAppTitle, -1, &picture, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
      }
      return 1;
    }
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace dusk
