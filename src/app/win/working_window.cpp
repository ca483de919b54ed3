#include "app/win/working_window.h"

#include "app/win/on_top.h"
#include "app/win/window_class.h"
#include "app/win/working_bar.h"
#include "widgets/win/block_progress_bar.h"

namespace dusk {
WorkingWindow::~WorkingWindow() { Close(); }

void WorkingWindow::Create() {
  RegisterWindowClass("Form4", WindowTrampoline<WorkingWindow>, GetSysColorBrush(COLOR_BTNFACE));
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  CreateWindowExA(WS_EX_TOOLWINDOW, "Form4", "Working", WS_POPUP | WS_BORDER, x, y, kWidth, kHeight, nullptr,
                  nullptr, GetModuleHandleA(nullptr), this);
}

void WorkingWindow::Show() {
  if (!hwnd_) Create();
  if (!hwnd_) return;
  MakeTopmost(hwnd_);
  SetBlockProgressEnabled(bar_, true);  // the bar moves only while shown
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd_);
}

void WorkingWindow::Hide() {
  if (!hwnd_) return;
  SetBlockProgressEnabled(bar_, false);
  ShowWindow(hwnd_, SW_HIDE);
}

void WorkingWindow::Close() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT WorkingWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: {
      HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
      HWND label = CreateWindowExA(0, "STATIC", "Please wait  Working ............", WS_CHILD | WS_VISIBLE, 40, 60,
                                   kWidth - 80, 20, hwnd_, reinterpret_cast<HMENU>(kLabelId),
                                   GetModuleHandleA(nullptr), nullptr);
      SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      bar_ = CreateWorkingBar(hwnd_, kBarId, (kWidth - kWorkingBarWidth) / 2, 100);
      return 0;
    }
    case WM_CLOSE:
      Hide();
      return 0;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace dusk
