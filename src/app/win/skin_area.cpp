#include "app/win/skin_area.h"

#include "app/win/frame_art.h"
#include "app/win/window_class.h"

namespace dusk {
namespace {

constexpr const char* kClass = "DuskSkinArea";

constexpr const char* kKeyDownProperty = "Dusklatch.SkinKey";

void Tell(HWND hwnd, bool pressed, int button) {
  const WPARAM wp = MAKEWPARAM(GetDlgCtrlID(hwnd), pressed ? 1 : 0);
  SendMessageA(GetAncestor(hwnd, GA_ROOT), kSkinAreaMouse, wp, button);
}

void Report(HWND hwnd, bool pressed, int button) {
  if (pressed)
    SetCapture(hwnd);
  else if (GetCapture() == hwnd)
    ReleaseCapture();
  Tell(hwnd, pressed, button);
}

bool IsPressKey(WPARAM key) { return key == VK_SPACE || key == VK_RETURN; }

// Space or Enter: down presses, up releases; only a key that went down here releases,
// so that the Enter that closed another window does not choose an entry.
void OnKey(HWND hwnd, bool down, WPARAM key, LPARAM lp) {
  if (!IsPressKey(key)) return;
  const bool repeated = (lp & (1 << 30)) != 0;
  if (down) {
    if (repeated || GetPropA(hwnd, kKeyDownProperty)) return;
    SetPropA(hwnd, kKeyDownProperty, reinterpret_cast<HANDLE>(key));
    Tell(hwnd, true, 0);
  } else if (reinterpret_cast<WPARAM>(GetPropA(hwnd, kKeyDownProperty)) == key) {
    RemovePropA(hwnd, kKeyDownProperty);
    Tell(hwnd, false, 0);
  }
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
  if (GetFocus() == hwnd) {
    GetClientRect(hwnd, &area);
    InflateRect(&area, -3, -3);
    SetTextColor(dc, RGB(255, 255, 255));  // the dotted mark shows on the dark picture
    SetBkColor(dc, RGB(0, 0, 0));
    DrawFocusRect(dc, &area);
  }
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
    case WM_GETDLGCODE: {
      // Enter presses the focused entry rather than going to the window as IDOK.
      const auto* m = reinterpret_cast<const MSG*>(lp);
      LRESULT code = DLGC_BUTTON;
      if (m && m->message == WM_KEYDOWN && IsPressKey(m->wParam)) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_KEYDOWN: OnKey(hwnd, true, wp, lp); return 0;
    case WM_KEYUP: OnKey(hwnd, false, wp, lp); return 0;
    case WM_NCDESTROY:
      RemovePropA(hwnd, kKeyDownProperty);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      RemovePropA(hwnd, kKeyDownProperty);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

void RegisterSkinAreaClass() { RegisterWindowClass(kClass, SkinAreaProc); }

HWND CreateSkinArea(HWND parent, int id, const char* caption, int x, int y, int w, int h, int picture,
                    bool tabStop) {
  const DWORD style = WS_CHILD | WS_VISIBLE | (tabStop ? WS_TABSTOP : 0);
  HWND area = CreateWindowExA(0, kClass, caption, style, x, y, w, h, parent,
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
