#include "app/win/program.h"

#include <commctrl.h>

#include <memory>

#include "app/win/main_window.h"
#include "app/win/splash_window.h"
#include "app/win/window_class.h"

namespace dusk {

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) ||
        (msg.message == WM_CHAR && msg.wParam == 27)) {
      HWND root = GetAncestor(msg.hwnd, GA_ROOT);
      // Only a key press reaches windows that ask for it; the character that
      // follows is dropped once the press was taken.
      if (root && SendMessageA(root, kEscapePressed, 0, 0) == 1) {
        if (msg.message == WM_KEYDOWN) {
          MSG follow;
          PeekMessageA(&follow, msg.hwnd, WM_CHAR, WM_CHAR, PM_REMOVE);
        }
        continue;
      }
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
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
