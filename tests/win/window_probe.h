// Looking into and poking at the program's windows from a Windows test, in-process.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "widgets/candy_canvas.h"

namespace dusk {

struct ControlSearch {
  int id;
  HWND found;
};
inline BOOL CALLBACK MatchControlId(HWND child, LPARAM lp) {
  auto* search = reinterpret_cast<ControlSearch*>(lp);
  if (GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

// The first descendant of `root` with the control id, as the end-to-end driver finds it.
inline HWND FindControl(HWND root, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(root, MatchControlId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline std::string Text(HWND window) {
  char buffer[256] = "";
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

inline std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// What the parent hears when a button is clicked.
inline void SendClick(HWND control) {
  SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

// Runs the message loop, real timers included, until `done` or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    if (done()) return true;
    Sleep(10);
  }
  return done();
}

// The control's picture as it paints itself through WM_PRINTCLIENT, as colours with
// red lowest.
inline Canvas Capture(HWND control) {
  RECT rc;
  GetClientRect(control, &rc);
  Canvas out(rc.right, rc.bottom);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = rc.right;
  bi.bmiHeader.biHeight = -rc.bottom;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, dib);
  SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const auto* p = static_cast<const uint32_t*>(bits);
  for (int y = 0; y < rc.bottom; ++y)
    for (int x = 0; x < rc.right; ++x) {
      const uint32_t v = p[y * rc.right + x];
      out.Set(x, y, MakeColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
  ReleaseDC(nullptr, screen);
  return out;
}

}  // namespace dusk
