#include "app/win/frame_art.h"

#include <array>

#include "app/win/window_class.h"
#include "../../../resources/resource_ids.h"

namespace dusk {
namespace {

constexpr int kNavigationWidth = 120, kTitleHeight = 30, kBannerTop = 371;

HBITMAP Picture(int resourceId) {
  // A handful of pictures, loaded on first use and kept for the whole run.
  static std::array<HBITMAP, 32> cache{};
  static std::array<int, 32> ids{};
  for (std::size_t i = 0; i < cache.size(); ++i) {
    if (ids[i] == resourceId) return cache[i];
    if (ids[i] == 0) {
      ids[i] = resourceId;
      cache[i] = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId),
                                                 IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
      return cache[i];
    }
  }
  return nullptr;
}

bool Blit(HDC dc, HBITMAP bitmap, int x, int y, int w, int h) {
  if (!bitmap) return false;
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  if (w == info.bmWidth && h == info.bmHeight) {
    BitBlt(dc, x, y, w, h, source, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, x, y, w, h, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  }
  SelectObject(source, old);
  DeleteDC(source);
  return true;
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

LRESULT CALLBACK FrameLabelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCHITTEST:
      // A plain label (the title, the status line) is part of the frame: presses go
      // through it to the window, which moves by them.
      return (GetWindowLongPtrA(hwnd, GWLP_USERDATA) & 1) ? HTCLIENT : HTTRANSPARENT;
    case WM_LBUTTONUP:
      if (GetWindowLongPtrA(hwnd, GWLP_USERDATA) & 1)
        SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), STN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
      return 0;
    case WM_SETCURSOR:
      if (GetWindowLongPtrA(hwnd, GWLP_USERDATA) & 1) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(hwnd, msg, wp, lp);
      InvalidateRect(hwnd, nullptr, FALSE);
      return result;
    }
    case WM_SETFONT:
      SetPropA(hwnd, "Dusklatch.Font", reinterpret_cast<HANDLE>(wp));
      if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT area;
      GetClientRect(hwnd, &area);
      DrawFrameBackground(dc, OriginInRoot(hwnd), area);
      char text[128] = {};
      GetWindowTextA(hwnd, text, sizeof text);
      const LONG_PTR flags = GetWindowLongPtrA(hwnd, GWLP_USERDATA);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, (flags & 1) ? RGB(150, 185, 245) : RGB(232, 232, 245));
      auto font = static_cast<HFONT>(GetPropA(hwnd, "Dusklatch.Font"));
      HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
      DrawTextA(dc, text, -1, &area, static_cast<UINT>(flags >> 8) | DT_WORDBREAK | DT_NOPREFIX);
      SelectObject(dc, old);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      RemovePropA(hwnd, "Dusklatch.Font");
      break;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

void DrawSkinPicture(HDC dc, int index, const RECT& area) {
  if (Blit(dc, Picture(IDB_SKIN_0 + index), area.left, area.top, area.right - area.left, area.bottom - area.top))
    return;
  const bool pressed = index == 14 || index == 5 || index == 7;
  Fill(dc, area, pressed ? RGB(70, 96, 150) : RGB(52, 66, 102));
}

void DrawFrameBackground(HDC dc, POINT origin, const RECT& area) {
  const int x = -origin.x, y = -origin.y;
  if (!Blit(dc, Picture(IDB_PAGE_BACKGROUND), x, y, 500, 433)) {
    Fill(dc, area, RGB(36, 40, 62));
    return;
  }
  // The navigation column below the title bar, the banner under the pages.
  if (origin.x < kNavigationWidth && origin.y + area.bottom > kTitleHeight) {
    HBITMAP nav = Picture(IDB_NAV_BACKGROUND);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, nav);
    BitBlt(dc, x, y + kTitleHeight, kNavigationWidth, 433 - kTitleHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  }
  if (origin.y + area.bottom > kBannerTop) Blit(dc, Picture(IDB_BANNER), x + kNavigationWidth, y + kBannerTop, 380, 60);
}

bool DrawResourcePicture(HDC dc, int resourceId, const RECT& area) {
  return Blit(dc, Picture(resourceId), area.left, area.top, area.right - area.left, area.bottom - area.top);
}

POINT OriginInRoot(HWND child) {
  POINT origin{0, 0};
  MapWindowPoints(child, GetAncestor(child, GA_ROOT), &origin, 1);
  return origin;
}

HWND CreateFrameLabel(HWND parent, int id, const char* text, int x, int y, int w, int h, bool link, UINT format) {
  RegisterWindowClass("DuskFrameLabel", FrameLabelProc);
  HWND label = CreateWindowExA(0, "DuskFrameLabel", text, WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                               nullptr);
  SetWindowLongPtrA(label, GWLP_USERDATA, (link ? 1 : 0) | static_cast<LONG_PTR>(format) << 8);
  return label;
}

}  // namespace dusk
