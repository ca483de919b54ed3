// Entry point of Dusklatch.exe. For now the program lives as a tray icon whose menu
// can end it; the main window and its pages come with the application shell.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "app/app_identity.h"
#include "resource_ids.h"

namespace {

constexpr UINT kTrayCallback = WM_MOUSEMOVE;  // the tray reports mouse events as moves
constexpr UINT kExitCommand = 1;
constexpr UINT kNotifyIconV1Size = 88;        // the first, Windows 95 form of the record

NOTIFYICONDATAA TrayRecord(HWND hwnd) {
  NOTIFYICONDATAA record{};
  record.cbSize = kNotifyIconV1Size;
  record.hWnd = hwnd;
  record.uID = 1;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallback;
  record.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
  std::strncpy(record.szTip, "No Action Set", sizeof(record.szTip) - 1);
  return record;
}

void ShowTrayMenu(HWND hwnd) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, kExitCommand, "Exit");
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(hwnd);  // without it the menu does not close when clicking elsewhere
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
  DestroyMenu(menu);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kTrayCallback:
      if (LOWORD(lp) == WM_RBUTTONUP) ShowTrayMenu(hwnd);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == kExitCommand) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY: {
      NOTIFYICONDATAA record = TrayRecord(hwnd);
      Shell_NotifyIconA(NIM_DELETE, &record);
      PostQuitMessage(0);
      return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
  wc.lpszClassName = "frmMain1";
  RegisterClassA(&wc);
  HWND main = CreateWindowExA(0, "frmMain1", dusk::kAppTitle, WS_POPUP, 0, 0, 500, 433, nullptr,
                              nullptr, instance, nullptr);
  NOTIFYICONDATAA record = TrayRecord(main);
  Shell_NotifyIconA(NIM_ADD, &record);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
