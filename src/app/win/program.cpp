#include "app/win/program.h"

#include <commctrl.h>

#include <memory>

#include "app/win/main_window.h"
#include "app/win/splash_window.h"
#include "app/win/window_class.h"

namespace dusk {

namespace {

// Esc goes to the top-level window under the keyboard focus first; true when it took it.
bool TakenAsEscape(const MSG& msg) {
  if (!((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || (msg.message == WM_CHAR && msg.wParam == 27)))
    return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (!root || SendMessageA(root, kEscapePressed, 0, 0) != 1) return false;
  // Only a key press reaches windows that ask for it; the character that follows
  // is dropped once the press was taken.
  if (msg.message == WM_KEYDOWN) {
    MSG follow;
    PeekMessageA(&follow, msg.hwnd, WM_CHAR, WM_CHAR, PM_REMOVE);
  }
  return true;
}

// The dialog keys of the top-level window the key goes to: Tab and Shift+Tab move
// the focus, access keys press their buttons, Enter and Esc reach the window as IDOK
// and IDCANCEL. IsDialogMessage dispatches what it does not take itself.
bool TakenAsDialogKey(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  return root && IsDialogMessageA(root, &msg);
}

// One message of any loop of the program.
void Deliver(MSG& msg) {
  if (TakenAsEscape(msg) || TakenAsDialogKey(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Deliver(msg);
  return static_cast<int>(msg.wParam);
}

bool RunMessageLoopWhile(const std::function<bool()>& keepGoing) {
  MSG msg;
  while (keepGoing()) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The program is ending: the outer loop has to see the request too.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (got < 0) return false;
    Deliver(msg);
  }
  return true;
}

int RunProgram(HINSTANCE, ProgramServices& services) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);

  // The main window lives until the process ends; nothing destroys it earlier.
  static std::unique_ptr<MainFrame> main;
  SplashWindow splash([&services] {
    main = std::make_unique<MainFrame>(services);
    main->Create();
  });
  splash.Show();
  return RunMessageLoop();
}

}  // namespace dusk
