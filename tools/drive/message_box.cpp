// Reading and answering the program's message boxes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "drive.h"

namespace drive {
namespace {

struct Parts {
  HWND icon = nullptr;
  std::string text;
};

Parts FindParts(HWND box) {
  Parts parts;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (_stricmp(name, "Static") != 0 || !IsWindowVisible(child)) continue;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
      parts.icon = child;
    else if (parts.text.empty())
      parts.text = WindowText(child);
  }
  return parts;
}

// The pixels of a screen rectangle, 32 bits each.
std::vector<DWORD> Capture(HDC source, int x, int y, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + width * height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

// A system icon drawn over `background`, the way the message box would show it.
std::vector<DWORD> Render(LPCSTR which, DWORD background, int width, int height) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const COLORREF colour = RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT all{0, 0, width, height};
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  DrawIconEx(memory, 0, 0, LoadIconA(nullptr, which), 0, 0, 0, nullptr, DI_NORMAL);
  std::vector<DWORD> pixels = Capture(memory, 0, 0, width, height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

long Distance(const std::vector<DWORD>& a, const std::vector<DWORD>& b) {
  long sum = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    for (int shift = 0; shift < 24; shift += 8)
      sum += std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF));
  return sum;
}

// Icons of other processes cannot be drawn here, so the shown icon is told apart by
// comparing its pixels on screen with the system icons drawn locally.
const char* IconName(HWND iconControl) {
  if (!iconControl) return "none";
  RECT r;
  GetWindowRect(iconControl, &r);
  const int width = 32, height = 32;
  HDC screen = GetDC(nullptr);
  std::vector<DWORD> shown = Capture(screen, r.left, r.top, width, height);
  ReleaseDC(nullptr, screen);
  struct Candidate {
    const char* name;
    LPCSTR id;
  } candidates[] = {{"error", IDI_HAND},
                    {"question", IDI_QUESTION},
                    {"warning", IDI_EXCLAMATION},
                    {"information", IDI_ASTERISK}};
  const char* best = "none";
  long bestDistance = Distance(shown, std::vector<DWORD>(shown.size(), shown[0]));
  for (const Candidate& c : candidates) {
    const long d = Distance(shown, Render(c.id, shown[0], width, height));
    if (d < bestDistance) {
      bestDistance = d;
      best = c.name;
    }
  }
  return best;
}

// The box paints its icon some time after it shows: read the screen until the same
// icon is seen twice in a row, for at most three seconds.
const char* ShownIcon(HWND iconControl) {
  if (!iconControl) return "none";
  const DWORD start = GetTickCount();
  const char* last = IconName(iconControl);
  while (GetTickCount() - start < 3000) {
    Sleep(50);
    const char* now = IconName(iconControl);
    if (now == last && std::strcmp(now, "none") != 0) return now;
    last = now;
  }
  return last;
}

}  // namespace

int PrintMessageBox(DWORD timeoutMs) {
  HWND box = WaitVisible("#32770", timeoutMs);
  if (!box) {
    std::fprintf(stderr, "no message box\n");
    return 1;
  }
  const Parts parts = FindParts(box);
  std::printf("%s\n%s\n%s\n", WindowText(box).c_str(), ShownIcon(parts.icon), parts.text.c_str());
  return 0;
}

int PressMessageBoxButton(const std::string& button) {
  struct Named {
    const char* name;
    int id;
  } names[] = {{"OK", IDOK}, {"Cancel", IDCANCEL}, {"Yes", IDYES}, {"No", IDNO}, {"Retry", IDRETRY}};
  int id = 0;
  for (const Named& n : names)
    if (_stricmp(n.name, button.c_str()) == 0) id = n.id;
  HWND box = WaitVisible("#32770", kDefaultTimeoutMs);
  if (!box || !id || !GetDlgItem(box, id)) {
    std::fprintf(stderr, "no message box with a %s button\n", button.c_str());
    return 1;
  }
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
  return 0;
}

}  // namespace drive
