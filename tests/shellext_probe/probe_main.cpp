// shellext_probe [--dll <path>] <command> ...: drives the file manager menu's extension
// the way a file manager does, from outside the program, and prints what it sees.
// Built 32- and 64-bit; each reads the registration of its own registry view.
//
//   registration           what the running program registered for the current user
//   menu <file>            the menu the extension adds for a right click on <file>
//   invoke <file> <what>   chooses an item: an offset (0..6) or a verb, and with
//                          "ansi" after it the verb goes in the 8-bit field only
//   popup <file>           pops the menu up at the mouse; a chosen item is invoked
//
// Without --dll the DLL is the one the registration names. Exit code 1 when the
// extension cannot be loaded or the registration is missing.
#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

#include "power/shell_menu_items.h"
#include "win/shellext_driver.h"

namespace {

using namespace dusk;
using namespace dusk::shellext_driver;

constexpr UINT kFirstId = 100;

std::wstring Widen(const char* text) { return std::wstring(text, text + lstrlenA(text)); }

std::wstring ClassKey() {
  wchar_t id[64] = {};
  StringFromGUID2(ExtensionClass(), id, 64);
  return std::wstring(L"Software\\Classes\\CLSID\\") + id;
}

// A default or named text value under HKEY_CURRENT_USER; empty when missing.
std::wstring UserValue(const std::wstring& key, const wchar_t* name = nullptr) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
    return {};
  wchar_t text[1024] = {};
  DWORD bytes = sizeof text - sizeof(wchar_t), type = 0;
  const bool read = RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(text),
                                     &bytes) == ERROR_SUCCESS &&
                    type == REG_SZ;
  RegCloseKey(opened);
  return read ? text : std::wstring();
}

void Print(const std::wstring& line) { std::printf("%ls\n", line.c_str()); }

int ShowRegistration() {
  Print(L"class: " + UserValue(ClassKey()));
  Print(L"server: " + UserValue(ClassKey() + L"\\InprocServer32"));
  Print(L"threading: " + UserValue(ClassKey() + L"\\InprocServer32", L"ThreadingModel"));
  for (const wchar_t* place : {L"*", L"Directory", L"Directory\\Background", L"Drive"})
    Print(std::wstring(L"handler ") + place + L": " +
          UserValue(std::wstring(L"Software\\Classes\\") + place +
                    L"\\shellex\\ContextMenuHandlers\\" + Widen(kShellMenuRootText)));
  return UserValue(ClassKey() + L"\\InprocServer32").empty() ? 1 : 0;
}

std::wstring Describe(const MenuEntry& entry) {
  if (entry.separator) return L"separator";
  std::wstring line = entry.text;
  if (entry.id >= kFirstId) line += L" | offset " + std::to_wstring(entry.id - kFirstId);
  if (entry.picture) line += L" | picture";
  if (!entry.submenu.empty()) line += L" | submenu";
  return line;
}

// The menu and, for each of the extension's items, its verb and help text; the two
// character sets must agree.
void PrintMenu(IContextMenu* menu, HMENU built) {
  for (const MenuEntry& entry : ReadMenu(built)) {
    Print(Describe(entry));
    for (const MenuEntry& item : entry.submenu) {
      const UINT offset = item.id - kFirstId;
      const std::wstring verb = CommandString(menu, offset, GCS_VERBW);
      const std::wstring help = CommandString(menu, offset, GCS_HELPTEXTW);
      const bool agree = verb == CommandString(menu, offset, GCS_VERBA) &&
                         help == CommandString(menu, offset, GCS_HELPTEXTA);
      Print(L"  " + Describe(item) + L" | " + verb + L" | " + help +
            (agree ? L"" : L" | character sets differ"));
    }
  }
}

struct Session {
  Extension extension;
  HMENU menu = FileManagerMenu();
  HRESULT added = E_FAIL;

  Session(const std::wstring& dll, const std::wstring& file) : extension(dll) {
    if (!extension.ok()) return;
    IDataObject* selection = SelectionOf(file);
    PIDLIST_ABSOLUTE folder = FolderOf(file);
    const HRESULT init = extension.init()->Initialize(folder, selection, nullptr);
    if (selection) selection->Release();
    CoTaskMemFree(folder);
    if (FAILED(init)) return;
    // Between "Open" and "Properties", as a file manager places its extensions.
    added = extension.menu()->QueryContextMenu(built(), 1, kFirstId, 0x7FFF, CMF_NORMAL);
  }
  ~Session() { DestroyMenu(menu); }
  HMENU built() const { return menu; }
};

// The picked item leaves the extension's object and DLL free, as a file manager
// expects when it is done with the menu.
void PrintRelease(Session& session) {
  const ULONG left = session.extension.Release();
  std::printf("references left: %lu\n", left + session.extension.factoryReleasedTo());
  std::printf("can unload: %s\n", session.extension.CanUnloadNow() == S_OK ? "yes" : "no");
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(hwnd, msg, wp, lp);
}

UINT PopUp(HMENU menu) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ShellextProbeOwner";
  RegisterClassW(&wc);
  HWND owner = CreateWindowExW(0, wc.lpszClassName, L"probe", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1,
                               nullptr, nullptr, wc.hInstance, nullptr);
  SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, 200, 150, 0, owner, nullptr));
  DestroyWindow(owner);
  return chosen;
}

int Run(const std::vector<std::wstring>& args, const std::wstring& dllGiven) {
  if (args.empty()) return 2;
  if (args[0] == L"registration") return ShowRegistration();
  if (args.size() < 2) return 2;
  const std::wstring dll =
      dllGiven.empty() ? UserValue(ClassKey() + L"\\InprocServer32") : dllGiven;
  if (dll.empty()) {
    std::printf("no registration\n");
    return 1;
  }
  Session session(dll, args[1]);
  if (!session.extension.ok()) {
    std::printf("cannot load %ls: %s\n", dll.c_str(), session.extension.error().c_str());
    return 1;
  }
  std::printf("added %u\n", static_cast<unsigned>(HRESULT_CODE(session.added)));
  if (args[0] == L"menu") {
    PrintMenu(session.extension.menu(), session.built());
  } else if (args[0] == L"invoke" && args.size() >= 3) {
    const std::wstring& what = args[2];
    HRESULT result;
    if (what.size() == 1 && what[0] >= L'0' && what[0] <= L'9')
      result = InvokeByOffset(session.extension.menu(), static_cast<UINT>(what[0] - L'0'));
    else
      result = InvokeByVerb(session.extension.menu(), std::string(what.begin(), what.end()),
                            !(args.size() >= 4 && args[3] == L"ansi"));
    std::printf("invoke: 0x%08lx\n", static_cast<unsigned long>(result));
  } else if (args[0] == L"popup") {
    const UINT chosen = PopUp(session.built());
    if (chosen >= kFirstId && chosen < kFirstId + kShellMenuIdentifiersTaken) {
      std::printf("chosen: offset %u\n", chosen - kFirstId);
      const HRESULT result = InvokeByOffset(session.extension.menu(), chosen - kFirstId);
      std::printf("invoke: 0x%08lx\n", static_cast<unsigned long>(result));
    } else {
      std::printf("chosen: %u\n", chosen);
    }
  } else {
    return 2;
  }
  PrintRelease(session);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> args(argv + 1, argv + argc);
  std::wstring dll;
  if (args.size() >= 2 && args[0] == L"--dll") {
    dll = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  OleInitialize(nullptr);  // a file manager's window thread: single-threaded apartment
  const int code = Run(args, dll);
  std::fflush(stdout);
  OleUninitialize();
  return code;
}
