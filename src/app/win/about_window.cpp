#include "app/win/about_window.h"

#include <string>

#include "app/app_identity.h"
#include "app/win/main_window_ids.h"
#include "app/win/window_class.h"

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
      HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
      HWND picture = CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, 20, 24, 48,
                                     48, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
      SendMessageA(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
      Label(hwnd_, kAppTitle, 90, 14, 270, 28, nameFont_);
      Label(hwnd_, "By :", 90, 48, 30, 16, gui);
      Label(hwnd_, kMakerName, 124, 48, 240, 16, gui);
      Label(hwnd_, kMakerWebAddress, 124, 66, 240, 16, gui);
      Label(hwnd_, kMakerSupportAddress, 124, 84, 240, 16, gui);
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
    case WM_CTLCOLORSTATIC:
      // The labels are clicks on the window's surface too.
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace dusk
