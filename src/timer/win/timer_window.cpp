#include "timer/win/timer_window.h"

#include <vector>

namespace dusk {

TimerWindow::~TimerWindow() {
  if (hwnd_) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

HWND TimerWindow::CreateAs(const char* className, DWORD exStyle, DWORD style, int x, int y,
                           int width, int height, HWND parent, int id) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA known;
  if (!GetClassInfoA(instance, className, &known)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.lpszClassName = className;
    RegisterClassA(&wc);
  }
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
  return CreateWindowExA(exStyle, className, "", style, x, y, width, height, parent, menu, instance,
                         this);
}

LRESULT TimerWindow::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK TimerWindow::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TimerWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TimerWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  try {
    return self->Handle(hwnd, msg, wp, lp);
  } catch (...) {
    return 0;  // nothing may unwind into the system
  }
}

HWND MakeControl(HWND parent, const char* className, const char* text, DWORD style, int id, int x,
                 int y, int width, int height, DWORD exStyle) {
  HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y,
                                 width, height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  UseFont(control, DialogFont());
  return control;
}

std::string WindowText(HWND hwnd) {
  int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return "";
  std::vector<char> buffer(length + 1, '\0');
  int got = GetWindowTextA(hwnd, buffer.data(), length + 1);
  return std::string(buffer.data(), got > 0 ? got : 0);
}

void SetTextIfChanged(HWND hwnd, const std::string& text) {
  if (hwnd && WindowText(hwnd) != text) SetWindowTextA(hwnd, text.c_str());
}

bool IsChecked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(HWND box, bool checked) {
  SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

HFONT ArialBold(int points) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return CreateFontA(-MulDiv(points, dpi > 0 ? dpi : 96, 72), 0, 0, 0, FW_BOLD, FALSE, FALSE,
                     FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

void PutOnTop(HWND hwnd) {
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void PaintDusk(HDC dc, const RECT& area) {
  // Deep blue at the top fading into a warm violet; drawn in bands, no library needed.
  const int top[3] = {22, 30, 66}, bottom[3] = {92, 62, 110};
  int height = area.bottom - area.top;
  if (height <= 0) return;
  const int bands = 64;
  for (int i = 0; i < bands; ++i) {
    RECT band{area.left, area.top + height * i / bands, area.right,
              area.top + height * (i + 1) / bands};
    COLORREF colour = RGB(top[0] + (bottom[0] - top[0]) * i / (bands - 1),
                          top[1] + (bottom[1] - top[1]) * i / (bands - 1),
                          top[2] + (bottom[2] - top[2]) * i / (bands - 1));
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &band, brush);
    DeleteObject(brush);
  }
}

}  // namespace dusk

namespace dusk {

void PaintParentBackground(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  RECT area;
  GetClientRect(child, &area);
  if (!parent) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  POINT origin{0, 0};
  MapWindowPoints(child, parent, &origin, 1);
  POINT previous;
  SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  if (!SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0)) {
    RECT parentArea;
    GetClientRect(parent, &parentArea);
    FillRect(dc, &parentArea, GetSysColorBrush(COLOR_BTNFACE));
  }
  SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

LRESULT SeeThroughStatic(HWND control, HDC dc, HWND panel, HWND host, UINT msg, WPARAM wp,
                         LPARAM lp) {
  char cls[16] = "";
  GetClassNameA(control, cls, sizeof cls);
  if (lstrcmpiA(cls, "Edit") == 0) return DefWindowProcA(panel, msg, wp, lp);
  // The window that holds the page chooses the text colour that suits its background.
  if (host) SendMessageA(host, WM_CTLCOLORSTATIC, wp, lp);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

HWND SettingsPanel::CreatePanel(const char* className, HWND container) {
  RECT area;
  GetClientRect(container, &area);
  return CreateAs(className, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE, 0, 0, area.right,
                  area.bottom, container);
}

LRESULT SettingsPanel::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND) {
    OnCommand(LOWORD(wp), HIWORD(wp));
    return 0;
  }
  LRESULT result = 0;
  if (AnswerSeeThrough(hwnd, GetParent(hwnd), msg, wp, lp, result)) return result;
  return TimerWindow::Handle(hwnd, msg, wp, lp);
}

bool AnswerSeeThrough(HWND panel, HWND host, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
      PaintParentBackground(panel, reinterpret_cast<HDC>(wp));
      result = msg == WM_ERASEBKGND ? 1 : 0;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      result = SeeThroughStatic(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp), panel, host,
                                msg, wp, lp);
      return true;
  }
  return false;
}

}  // namespace dusk
