#include "power/win/context_menu_host.h"

#include <string>

#include "app/win/shell_services.h"
#include "app/win/startup_seams.h"
#include "app/win/window_class.h"
#include "platform/win32/wide_text.h"
#include "power/shell_menu_click.h"
#include "power/shell_menu_items.h"
#include "power/win/shell_menu_registry.h"

namespace dusk {
namespace {

// Wide, so that the registration names the folder whatever its name.
std::string ExecutableFolder() {
  std::wstring path(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(n < path.size() ? n : 0);
  const auto slash = path.find_last_of(L'\\');
  return Utf8FromWide((slash == std::wstring::npos ? std::wstring() : path.substr(0, slash)).c_str());
}

// A host window in this process (`ours`) or in another one.
HWND FindHostWindow(bool ours) {
  for (HWND w = FindWindowExA(nullptr, nullptr, kShellMenuHostClass, kShellMenuHostTitle); w;
       w = FindWindowExA(nullptr, w, kShellMenuHostClass, kShellMenuHostTitle)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if ((pid == GetCurrentProcessId()) == ours) return w;
  }
  return nullptr;
}

class ContextMenuHost : public StartupPart, private ShellMenuClickHost {
 public:
  explicit ContextMenuHost(ShellServices& shell) : shell_(shell) {
    RegisterWindowClass(kShellMenuHostClass, WindowTrampoline<ContextMenuHost>);
    // A hidden top-level window rather than a message-only one: the extension, in
    // another process, has to be able to find it.
    CreateWindowExA(WS_EX_TOOLWINDOW, kShellMenuHostClass, kShellMenuHostTitle, WS_POPUP, 0, 0, 0,
                    0, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!hwnd_) return;
    // A second copy, which ends at once, leaves the running copy's registration alone
    // (the host window of the running copy tells). A registration left behind by a copy
    // that was killed is written afresh.
    if (FindHostWindow(false)) return;
    registration_ = PlanShellMenuRegistration(ExecutableFolder(), WindowsIs64Bit());
    WriteShellMenuRegistration(registration_);
    registered_ = true;
  }
  ~ContextMenuHost() override {
    if (hwnd_) DestroyWindow(hwnd_);
    Unregister();
  }
  ContextMenuHost(const ContextMenuHost&) = delete;
  ContextMenuHost& operator=(const ContextMenuHost&) = delete;

  void ProgramEnding() override { Unregister(); }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // Windows keeps out the posts of programs with fewer rights than this one (a file
    // manager beside an elevated copy); that is left so, as no lesser program may ask
    // for a power action.
    if (msg == kShellMenuClickMessage) {
      RunShellMenuClick(*this, static_cast<unsigned long>(wp));
      return 0;
    }
    // The program's Exit from the tray closes this window: the menu goes with it.
    if (msg == WM_DESTROY) Unregister();
    return DefWindowProcA(hwnd_, msg, wp, lp);
  }

  HWND hwnd_ = nullptr;

 private:
  void Unregister() {
    if (!registered_) return;
    registered_ = false;
    RemoveShellMenuRegistration(registration_);
  }

  // ShellMenuClickHost
  PowerApi& Power() override { return shell_.Power(); }
  Dialogs& Messages() override { return shell_.Messages(); }
  std::string HibernationFilePath() const override { return shell_.HibernationFilePath(); }
  void ShowAbout() override { shell_.ShowAbout(); }

  ShellServices& shell_;
  ShellMenuRegistration registration_;
  bool registered_ = false;
};

}  // namespace

HWND ContextMenuHostWindow() { return FindHostWindow(true); }

std::unique_ptr<StartupPart> CreateContextMenuPart(ShellServices& shell) {
  return std::make_unique<ContextMenuHost>(shell);
}

}  // namespace dusk
