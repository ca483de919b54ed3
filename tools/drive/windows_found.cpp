#include <cstdio>

#include "drive.h"

namespace drive {
namespace {

struct Search {
  std::string className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  if (search->className == name && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

struct Deep {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControlId(HWND child, LPARAM param) {
  auto* deep = reinterpret_cast<Deep*>(param);
  if (GetDlgCtrlID(child) != deep->id) return TRUE;
  deep->found = child;
  return FALSE;
}

}  // namespace

HWND FindVisible(const std::string& className) {
  Search search{className};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitVisible(const std::string& className, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = FindVisible(className)) return window;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(50);
  }
}

HWND FindControl(HWND window, int id) {
  if (id == 0) return window;
  if (HWND child = GetDlgItem(window, id)) return child;
  // Controls may sit on a page inside the window: search every descendant.
  Deep deep{id, nullptr};
  EnumChildWindows(window, MatchControlId, reinterpret_cast<LPARAM>(&deep));
  return deep.found;
}

std::string WindowText(HWND window) {
  char text[4096] = {};
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      5000, nullptr);
  return text;
}

}  // namespace drive
