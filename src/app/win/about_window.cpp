#include "app/win/about_window.h"

#include <string>

#include "app/app_identity.h"
#include "app/win/main_window_ids.h"
#include "app/win/frame_art.h"
#include "app/win/window_class.h"
#include "../../../resources/resource_ids.h"

namespace dusk {
namespace {

constexpr int kWidth = 385, kHeight = 162;

HWND Label(HWND parent, const char* text, int x, int y, int w, int h, HFONT font) {
  HWND label = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE, x, y, w, h, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  if (font) SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

}  // namespace

AboutWindow::AboutWindow(std::function<void()> onOk) : onOk_(std::move(onOk)) {}

AboutWindow::~AboutWindow() {
  Close();
  if (nameFont_) DeleteObject(nameFont_);
}

void AboutWindow::Open() {
  if (hwnd_) {
    SetForegroundWindow(hwnd_);
    return;
  }
  RegisterWindowClass("frmAbout", WindowTrampoline<AboutWindow>, GetSysColorBrush(COLOR_BTNFACE));
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  CreateWindowExA(WS_EX_TOOLWINDOW, "frmAbout", "About", WS_POPUP | WS_BORDER, x, y, kWidth, kHeight,
                  nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void AboutWindow::Close() {
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
      Label(hwnd_, kMakerWebAddress, 14, 100, 250, 16, gui);
      Label(hwnd_, kMakerSupportAddress, 14, 120, 250, 16, gui);
      HWND ok = CreateWindowExA(0, "BUTTON", "Ok", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, kWidth - 100,
                                kHeight - 42, 80, 26, hwnd_, reinterpret_cast<HMENU>(ids::kAboutOk),
                                GetModuleHandleA(nullptr), nullptr);
      SendMessageA(ok, WM_SETFONT, reinterpret_cast<WPARAM>(gui), FALSE);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == ids::kAboutOk) {
        Close();
        if (onOk_) onOk_();
      }
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
