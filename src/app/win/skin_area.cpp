#include "app/win/skin_area.h"

#include "app/win/frame_art.h"
#include "app/win/window_class.h"

namespace dusk {
namespace {

constexpr const char* kClass = "DuskSkinArea";

void Report(HWND hwnd, bool pressed, int button) {
  if (pressed)
    SetCapture(hwnd);
  else if (GetCapture() == hwnd)
    ReleaseCapture();
  const WPARAM wp = MAKEWPARAM(GetDlgCtrlID(hwnd), pressed ? 1 : 0);
  SendMessageA(GetAncestor(hwnd, GA_ROOT), kSkinAreaMouse, wp, button);
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT area;
  GetClientRect(hwnd, &area);
  DrawSkinPicture(dc, SkinAreaPicture(hwnd), area);
  char caption[64] = {};
  GetWindowTextA(hwnd, caption, sizeof caption);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  if (SkinAreaPicture(hwnd) == 14) OffsetRect(&area, 1, 1);  // pressed
  DrawTextA(dc, caption, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK SkinAreaProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN: Report(hwnd, true, 0); return 0;
    case WM_RBUTTONDOWN: Report(hwnd, true, 1); return 0;
    case WM_MBUTTONDOWN: Report(hwnd, true, 2); return 0;
    case WM_LBUTTONUP: Report(hwnd, false, 0); return 0;
    case WM_RBUTTONUP: Report(hwnd, false, 1); return 0;
    case WM_MBUTTONUP: Report(hwnd, false, 2); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

void RegisterSkinAreaClass() { RegisterWindowClass(kClass, SkinAreaProc); }

HWND CreateSkinArea(HWND parent, int id, const char* caption, int x, int y, int w, int h, int picture) {
  HWND area = CreateWindowExA(0, kClass, caption, WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                              nullptr);
  SetWindowLongPtrA(area, GWLP_USERDATA, picture);
  return area;
}

void SetSkinAreaPicture(HWND area, int picture) {
  if (SkinAreaPicture(area) == picture) return;
  SetWindowLongPtrA(area, GWLP_USERDATA, picture);
  InvalidateRect(area, nullptr, FALSE);
}

int SkinAreaPicture(HWND area) { return static_cast<int>(GetWindowLongPtrA(area, GWLP_USERDATA)); }

}  // namespace dusk
