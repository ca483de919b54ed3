// The yardstick for idle cost: a hidden window, one 100 ms timer and a bare
// message loop. Dusklatch idling in the tray should cost about as little.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.lpszClassName = "IdleReference";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "IdleReference", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              instance, nullptr);
  SetTimer(hwnd, 1, 100, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
