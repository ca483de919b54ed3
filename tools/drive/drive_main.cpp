// dusk_drive <command> [arguments]: see tools/drive/README.md for the commands.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "drive.h"

namespace drive {
namespace {

using Args = std::vector<std::string>;

unsigned long Number(const std::string& text) { return std::strtoul(text.c_str(), nullptr, 0); }

DWORD TimeoutArg(const Args& args, size_t at) {
  return args.size() > at ? static_cast<DWORD>(Number(args[at])) : kDefaultTimeoutMs;
}

// A top-level window of the class, visible or not (the main window hides in the tray).
HWND AnyWindow(const std::string& className) {
  HWND window = FindVisible(className);
  return window ? window : FindWindowA(className.c_str(), nullptr);
}

HWND Control(const Args& args) {
  HWND window = AnyWindow(args[1]);
  HWND control = window ? FindControl(window, static_cast<int>(Number(args[2]))) : nullptr;
  if (!control) std::fprintf(stderr, "no control %s in %s\n", args[2].c_str(), args[1].c_str());
  return control;
}

void NotifyParent(HWND control, WORD code) {
  PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

void PostKey(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 0);
  PostMessageA(window, WM_KEYUP, key, 0);
}

int Run(const Args& args) {
  const std::string& command = args[0];
  const size_t n = args.size();
  if (command == "wait" && n >= 2) return WaitVisible(args[1], TimeoutArg(args, 2)) ? 0 : 1;
  if (command == "wait-gone" && n >= 2) {
    const DWORD start = GetTickCount();
    while (FindVisible(args[1])) {
      if (GetTickCount() - start >= TimeoutArg(args, 2)) return 1;
      Sleep(50);
    }
    return 0;
  }
  if (command == "visible" && n >= 2) {
    std::printf("%d\n", FindVisible(args[1]) ? 1 : 0);
    return 0;
  }
  if (command == "msgbox") return PrintMessageBox(TimeoutArg(args, 1));
  if (command == "msgbox-press" && n >= 2) return PressMessageBoxButton(args[1]);
  if (command == "menu") return WaitMenu(TimeoutArg(args, 1));
  if (command == "menu-count") return CountMenus();
  if (command == "menus") return PrintMenus();
  if (command == "menu-choose" && n >= 2) return ChooseMenuItem(static_cast<int>(Number(args[1])));
  if (command == "owner" && n >= 2) {
    // The class of the window's owner; an empty line when it has none.
    HWND window = AnyWindow(args[1]);
    if (!window) return 1;
    char name[64] = {};
    if (HWND owner = GetWindow(window, GW_OWNER)) GetClassNameA(owner, name, sizeof name);
    std::printf("%s\n", name);
    return 0;
  }
  if (command == "weekday") {
    // Today's weekday as the user's language names it: which language Wine speaks.
    char name[80] = {};
    SYSTEMTIME today;
    GetLocalTime(&today);
    if (!GetDateFormatA(LOCALE_USER_DEFAULT, 0, &today, "dddd", name, sizeof name)) return 1;
    std::printf("%s\n", name);
    return 0;
  }
  if (command == "tray" && n >= 2) {
    HWND main = AnyWindow("frmMain1");
    return main && PostMessageA(main, WM_MOUSEMOVE, 0, static_cast<LPARAM>(Number(args[1]))) ? 0 : 1;
  }
  if (command == "client" && n >= 2) {
    // The window's client area on the screen: left top width height.
    HWND window = FindVisible(args[1]);
    RECT r;
    if (!window || !GetClientRect(window, &r)) return 1;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, r.right, r.bottom);
    return 0;
  }
  if (command == "tray-forget") {
    // What a shell that restarts does to every icon: it no longer holds frmMain1's.
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = AnyWindow("frmMain1");
    icon.uID = 1;
    return icon.hWnd && Shell_NotifyIconA(NIM_DELETE, &icon) ? 0 : 1;
  }
  if (command == "post-named" && n >= 3) {
    // A registered message such as the shell's "TaskbarCreated"; "*" sends it to every
    // top-level window, as the shell does.
    const UINT msg = RegisterWindowMessageA(args[2].c_str());
    HWND window = args[1] == "*" ? HWND_BROADCAST : AnyWindow(args[1]);
    return msg && window && PostMessageA(window, msg, 0, 0) ? 0 : 1;
  }
  if ((command == "post" || command == "send") && n >= 5) {
    HWND window = AnyWindow(args[1]);
    if (!window) return 1;
    const UINT msg = static_cast<UINT>(Number(args[2]));
    const WPARAM wp = Number(args[3]);
    const LPARAM lp = static_cast<LPARAM>(Number(args[4]));
    if (command == "post") return PostMessageA(window, msg, wp, lp) ? 0 : 1;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result)) return 1;
    std::printf("%lu\n", static_cast<unsigned long>(result));
    return 0;
  }
  if (command == "focus" && n >= 2) {
    // The keyboard focus of the window's thread, as the control id of the window that
    // holds it (0: the window itself or none of its controls).
    HWND window = AnyWindow(args[1]);
    if (!window) return 1;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 1;
    HWND focus = info.hwndFocus;
    std::printf("%d\n", focus && focus != window && IsChild(window, focus) ? GetDlgCtrlID(focus) : 0);
    return 0;
  }
  if (n < 3) return -1;
  HWND control = Control(args);
  if (!control) return 1;
  if (command == "text") {
    std::printf("%s\n", WindowText(control).c_str());
    return 0;
  }
  if (command == "shown") {
    // The control's own visible style: a page can be shown in a hidden window.
    std::printf("%d\n", (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) ? 1 : 0);
    return 0;
  }
  if (command == "enabled") {
    std::printf("%d\n", IsWindowEnabled(control) ? 1 : 0);
    return 0;
  }
  if (command == "checked") {
    std::printf("%ld\n", static_cast<long>(SendMessageA(control, BM_GETCHECK, 0, 0)));
    return 0;
  }
  if (command == "selected") {
    std::printf("%ld\n", static_cast<long>(SendMessageA(control, CB_GETCURSEL, 0, 0)));
    return 0;
  }
  if (command == "list-count") {
    std::printf("%ld\n", static_cast<long>(SendMessageA(control, LVM_GETITEMCOUNT, 0, 0)));
    return 0;
  }
  if (command == "set-text" && n >= 4) {
    // An edit control tells its parent about the change itself.
    SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[3].c_str()), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    return 0;
  }
  if (command == "click") {
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    if (_stricmp(name, "Button") == 0) return PostMessageA(control, BM_CLICK, 0, 0) ? 0 : 1;
    RECT r;
    GetClientRect(control, &r);
    const LPARAM centre = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageA(control, WM_MOUSEMOVE, 0, centre);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageA(control, WM_LBUTTONUP, 0, centre);
    return 0;
  }
  if (command == "check" && n >= 4) {
    SendMessageA(control, BM_SETCHECK, Number(args[3]) ? BST_CHECKED : BST_UNCHECKED, 0);
    NotifyParent(control, BN_CLICKED);
    return 0;
  }
  if (command == "select" && n >= 4) {
    SendMessageA(control, CB_SETCURSEL, Number(args[3]), 0);
    NotifyParent(control, CBN_SELCHANGE);
    return 0;
  }
  if (command == "list-select" && n >= 4) {
    // List-view item messages carry pointers that do not cross processes: use the keyboard.
    PostKey(control, VK_HOME);
    for (unsigned long i = 0; i < Number(args[3]); ++i) PostKey(control, VK_DOWN);
    return 0;
  }
  return -1;
}

}  // namespace
}  // namespace drive

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: dusk_drive <command> [arguments] (see tools/drive/README.md)\n");
    return 2;
  }
  const drive::Args args(argv + 1, argv + argc);
  const int result = drive::Run(args);
  if (result < 0) {
    std::fprintf(stderr, "unknown command or missing arguments: %s\n", argv[1]);
    return 2;
  }
  std::fflush(stdout);
  return result;
}
