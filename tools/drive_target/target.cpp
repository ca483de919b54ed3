// A small window for checking dusk_drive itself: an edit box, a button that asks a
// question with a message box and writes the answer into the edit box, and a menu.
#include <windows.h>

namespace {

constexpr int kEdit = 10;
constexpr int kAsk = 11;

LRESULT CALLBACK TargetProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      CreateWindowExA(0, "EDIT", "start", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, window,
                      reinterpret_cast<HMENU>(kEdit), nullptr, nullptr);
      CreateWindowExA(0, "BUTTON", "Ask", WS_CHILD | WS_VISIBLE, 10, 40, 80, 24, window,
                      reinterpret_cast<HMENU>(kAsk), nullptr, nullptr);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == kAsk) {
        const int answer = MessageBoxA(window, "Really?", "Target", MB_YESNO | MB_ICONEXCLAMATION);
        SetDlgItemTextA(window, kEdit, answer == IDYES ? "yes" : "no");
      }
      if (LOWORD(wp) == 100) SetDlgItemTextA(window, kEdit, "first");
      if (LOWORD(wp) == 101) SetDlgItemTextA(window, kEdit, "second");
      return 0;
    case WM_RBUTTONUP: {
      HMENU menu = CreatePopupMenu();
      AppendMenuA(menu, MF_STRING, 100, "First");
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      AppendMenuA(menu, MF_STRING, 101, "Second");
      SetForegroundWindow(window);
      TrackPopupMenu(menu, TPM_RIGHTBUTTON, 100, 100, 0, window, nullptr);
      DestroyMenu(menu);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = TargetProc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "DriveTarget";
  RegisterClassA(&wc);
  CreateWindowExA(0, "DriveTarget", "Drive target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                  nullptr, nullptr, instance, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
