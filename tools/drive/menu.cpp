// Open pop-up menus belong to another process, whose menu items this process cannot
// read under Wine; they are found as #32768 windows and driven with the keyboard.
#include <cstdio>

#include "drive.h"

namespace drive {

int WaitMenu(DWORD timeoutMs) {
  HWND menu = WaitVisible("#32768", timeoutMs);
  if (!menu) {
    std::fprintf(stderr, "no open menu\n");
    return 1;
  }
  RECT r;
  GetWindowRect(menu, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

namespace {

bool IsOpenMenu(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpA(name, "#32768") == 0 && IsWindowVisible(window);
}

BOOL CALLBACK CountIfMenu(HWND window, LPARAM counted) {
  if (IsOpenMenu(window)) ++*reinterpret_cast<int*>(counted);
  return TRUE;
}

BOOL CALLBACK PrintIfMenu(HWND window, LPARAM) {
  if (!IsOpenMenu(window)) return TRUE;
  RECT r;
  GetWindowRect(window, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return TRUE;
}

}  // namespace

int CountMenus() {
  int count = 0;
  EnumWindows(CountIfMenu, reinterpret_cast<LPARAM>(&count));
  std::printf("%d\n", count);
  return 0;
}

int PrintMenus() {
  EnumWindows(PrintIfMenu, 0);
  return 0;
}

int ChooseMenuItem(int index) {
  HWND menu = WaitVisible("#32768", kDefaultTimeoutMs);
  if (!menu) {
    std::fprintf(stderr, "no open menu\n");
    return 1;
  }
  // The first Down selects the first item; separators are skipped by the menu itself.
  for (int i = 0; i <= index; ++i) {
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYUP, VK_DOWN, 0);
  }
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(menu, WM_KEYUP, VK_RETURN, 0);
  return 0;
}

}  // namespace drive
