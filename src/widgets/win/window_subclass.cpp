#include "widgets/win/window_subclass.h"

#include <algorithm>
#include <vector>

namespace dusk {

struct WindowHook {
  HWND window = nullptr;
  bool table_driven = true;
  int nesting = 0;          // calls of the previous procedure in progress
  int active = 0;           // messages of this hook in progress, handlers included
  bool removal = false;     // removal requested, done when nesting is back to 0
  MessageTable before_table, after_table;
  MessageList before_list, after_list;
  SubclassHandler handler;
  LONG_PTR user_value = 0;

  bool Wants(bool before, UINT msg) const {
    if (table_driven) return (before ? before_table : after_table).Lists(msg);
    return (before ? before_list : after_list).Lists(msg);
  }
};

namespace {

// Each hooked window: the procedure it had before the first hook, and its hooks with the
// oldest first. Windows live on one thread, so plain containers do.
struct HookedWindow {
  WNDPROC original = nullptr;
  std::vector<WindowHook*> chain;
};

// The registry is made once and never destroyed: windows that are still alive when the
// program ends (a main window kept by a static, or destroyed by the system) receive their
// last messages after the program's statics are gone, and those messages must still find
// their hooks or the procedure each window had before.
std::map<HWND, HookedWindow>& Hooked() {
  static auto* hooked = new std::map<HWND, HookedWindow>;
  return *hooked;
}

LRESULT CALLBACK SharedHookProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

bool ProcedureIsShared(HWND window) {
  return GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SharedHookProc);
}

// A window that reaches the shared procedure without a record (the record went with
// WM_NCDESTROY while a subclasser above still passes messages down): its class procedure.
LRESULT PassToClass(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto proc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
  if (proc && proc != &SharedHookProc) return CallWindowProcA(proc, window, msg, wparam, lparam);
  return DefWindowProcA(window, msg, wparam, lparam);
}

LRESULT RunHook(HWND window, WindowHook* hook, UINT msg, WPARAM wparam, LPARAM lparam);

// The procedure below `hook` in the window's chain as it is now: hooks may come and go
// while a message is being handled.
LRESULT CallBelow(HWND window, WindowHook* hook, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto found = Hooked().find(window);
  if (found == Hooked().end()) return PassToClass(window, msg, wparam, lparam);
  const auto& chain = found->second.chain;
  auto at = std::find(chain.begin(), chain.end(), hook);
  if (at == chain.end() || at == chain.begin())
    return CallWindowProcA(found->second.original, window, msg, wparam, lparam);
  return RunHook(window, *(at - 1), msg, wparam, lparam);
}

void Detach(WindowHook* hook) {
  auto found = Hooked().find(hook->window);
  if (found == Hooked().end()) return;
  auto& chain = found->second.chain;
  chain.erase(std::remove(chain.begin(), chain.end(), hook), chain.end());
  // The previous procedure goes back only while nobody subclassed the window on top of the
  // hooks; otherwise that subclasser still calls the shared procedure, which then passes
  // everything to the previous one, until the window is destroyed.
  if (chain.empty() && ProcedureIsShared(hook->window)) {
    SetWindowLongPtrA(hook->window, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(found->second.original));
    Hooked().erase(found);
  }
}

LRESULT RunHook(HWND window, WindowHook* hook, UINT msg, WPARAM wparam, LPARAM lparam) {
  ++hook->active;
  LRESULT result = 0;
  bool handled = false;
  if (hook->Wants(true, msg) && hook->handler)
    hook->handler(true, handled, result, window, msg, wparam, lparam, hook->user_value);
  if (!handled) {
    ++hook->nesting;
    result = CallBelow(window, hook, msg, wparam, lparam);
    --hook->nesting;
    if (hook->Wants(false, msg) && hook->handler) {
      bool after_handled = false;
      hook->handler(false, after_handled, result, window, msg, wparam, lparam, hook->user_value);
    }
  }
  if (--hook->active == 0 && hook->removal) {
    // The outermost message is done: put the previous procedure back and let go.
    Detach(hook);
    delete hook;
  }
  return result;
}

LRESULT CALLBACK SharedHookProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto found = Hooked().find(window);
  if (found == Hooked().end()) return PassToClass(window, msg, wparam, lparam);
  LRESULT result = 0;
  if (found->second.chain.empty()) {
    result = CallWindowProcA(found->second.original, window, msg, wparam, lparam);
  } else {
    result = RunHook(window, found->second.chain.back(), msg, wparam, lparam);
  }
  if (msg == WM_NCDESTROY) {
    // The window is gone: hooks that were never removed go with it.
    auto gone = Hooked().find(window);
    if (gone != Hooked().end()) {
      if (ProcedureIsShared(window))
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gone->second.original));
      for (WindowHook* hook : gone->second.chain) hook->window = nullptr;
      Hooked().erase(gone);
    }
  }
  return result;
}

// Installs the hook on top of the window's chain; false (with the error set) on failure.
bool Attach(WindowHook* hook) {
  auto found = Hooked().find(hook->window);
  if (found != Hooked().end()) {
    found->second.chain.push_back(hook);
    return true;
  }
  SetLastError(0);
  LONG_PTR previous = SetWindowLongPtrA(hook->window, GWLP_WNDPROC,
                                        reinterpret_cast<LONG_PTR>(&SharedHookProc));
  if (previous == 0) return false;
  HookedWindow& entry = Hooked()[hook->window];
  entry.original = reinterpret_cast<WNDPROC>(previous);
  entry.chain.push_back(hook);
  return true;
}

bool OwnedByThisProcess(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

std::string KeyOf(HWND window) {
  return std::to_string(static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window))) + "h";
}

// Asks for removal; the hook goes when no call of its previous procedure is in progress.
void RequestRemoval(WindowHook* hook) {
  hook->removal = true;
  hook->before_table.count = hook->after_table.count = 0;
  hook->before_list.count = hook->after_list.count = 0;
  // A hook whose window was destroyed inside one of its own messages is still on the stack
  // of that message: it goes when the message returns, like any other.
  if (hook->active == 0) {
    if (hook->window) Detach(hook);
    delete hook;
  }
}

}  // namespace

int WindowHookCount(HWND window) {
  auto found = Hooked().find(window);
  return found == Hooked().end() ? 0 : static_cast<int>(found->second.chain.size());
}

WindowSubclasser::WindowSubclasser(std::string type_name, Dialogs& dialogs, EventLog& log)
    : type_name_(std::move(type_name)), dialogs_(dialogs), log_(log) {}

WindowSubclasser::~WindowSubclasser() { UnSubclassAll(); }

void WindowSubclasser::Report(const std::string& routine, const std::string& message) {
  SubclassError error{type_name_, routine, message};
  log_.WriteError(error.LogText());
  dialogs_.Show(error.BoxText(), error.BoxTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
}

bool WindowSubclasser::Subclass(HWND window, LONG_PTR user_value, SubclassHandler handler) {
  const char* routine = "sc_Subclass";
  if (!IsWindow(window)) {
    Report(routine, "Invalid window handle");
    return false;
  }
  if (!OwnedByThisProcess(window)) {
    Report(routine, "Window handle belongs to another process");
    return false;
  }
  if (!handler) {
    Report(routine, "Callback method not found");
    return false;
  }
  started_ = true;
  std::string key = KeyOf(window);
  if (hooks_.count(key)) {
    Report(routine, "Window handle is already subclassed");
    return false;
  }
  auto* hook = new WindowHook;
  hook->window = window;
  hook->handler = std::move(handler);
  hook->user_value = user_value;
  if (!Attach(hook)) {
    DWORD error = GetLastError();
    delete hook;
    Report(routine, "SetWindowLong failed, error #" + std::to_string(error));
    return false;
  }
  hooks_[key] = hook;
  return true;
}

WindowHook* WindowSubclasser::Lookup(HWND window) {
  if (!started_) {
    Report("zMap_hWnd", "Subclassing hasn't been started");
    return nullptr;
  }
  auto found = hooks_.find(KeyOf(window));
  if (found == hooks_.end()) {
    Report("zMap_hWnd", "Window handle isn't subclassed");
    return nullptr;
  }
  return found->second;
}

void WindowSubclasser::UnSubclass(HWND window) {
  if (!started_) {
    Report("sc_UnSubclass", "Window handle isn't subclassed");
    return;
  }
  WindowHook* hook = Lookup(window);
  if (!hook) return;
  hooks_.erase(KeyOf(window));
  RequestRemoval(hook);
}

void WindowSubclasser::UnSubclassAll() {
  if (!started_) return;
  while (!hooks_.empty()) {
    auto last = std::prev(hooks_.end());
    WindowHook* hook = last->second;
    hooks_.erase(last);
    RequestRemoval(hook);
  }
  started_ = false;
}

void WindowSubclasser::AddMessage(HWND window, int32_t msg, int when) {
  WindowHook* hook = Lookup(window);
  if (!hook) return;
  if (when & kHookBefore)
    if (auto refused = hook->before_table.Add(msg)) return Report("zAddMsg", *refused);
  if (when & kHookAfter)
    if (auto refused = hook->after_table.Add(msg)) return Report("zAddMsg", *refused);
}

void WindowSubclasser::RemoveMessage(HWND window, int32_t msg, int when) {
  WindowHook* hook = Lookup(window);
  if (!hook) return;
  if (when & kHookBefore)
    if (auto refused = hook->before_table.Remove(msg)) return Report("zDelMsg", *refused);
  if (when & kHookAfter)
    if (auto refused = hook->after_table.Remove(msg)) return Report("zDelMsg", *refused);
}

LRESULT WindowSubclasser::CallPrevious(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto mine = hooks_.find(KeyOf(window));
  if (mine == hooks_.end()) return 0;
  auto found = Hooked().find(window);
  if (found == Hooked().end()) return 0;
  auto& chain = found->second.chain;
  auto at = std::find(chain.begin(), chain.end(), mine->second);
  if (at == chain.end()) return 0;
  return CallBelow(window, *at, msg, wparam, lparam);
}

LONG_PTR WindowSubclasser::UserValue(HWND window) {
  WindowHook* hook = Lookup(window);
  return hook ? hook->user_value : 0;
}

void WindowSubclasser::SetUserValue(HWND window, LONG_PTR value) {
  if (WindowHook* hook = Lookup(window)) hook->user_value = value;
}

int LightSubclasser::Hook(HWND window) {
  size_t index = 0;
  while (index < records_.size() && records_[index].first != nullptr) ++index;
  if (index == records_.size()) records_.emplace_back(nullptr, nullptr);
  auto* hook = new WindowHook;
  hook->window = window;
  hook->table_driven = false;
  hook->handler = handler_;
  if (!IsWindow(window) || !Attach(hook)) {
    delete hook;  // failures are not reported; the record stays free
    return -1;
  }
  records_[index] = {window, hook};
  return static_cast<int>(index);
}

void LightSubclasser::AddMessage(HWND window, int32_t msg, int when) {
  for (auto& [hooked, hook] : records_) {
    if (hooked != window || !hook) continue;
    if (when & kHookBefore) hook->before_list.Add(msg);
    if (when & kHookAfter) hook->after_list.Add(msg);
    return;
  }
}

void LightSubclasser::Unhook(HWND window) {
  for (auto& record : records_) {
    if (record.first != window || !record.second) continue;
    WindowHook* hook = record.second;
    record = {nullptr, nullptr};
    RequestRemoval(hook);
    return;
  }
}

void LightSubclasser::UnhookAll() {
  for (auto it = records_.rbegin(); it != records_.rend(); ++it)
    if (it->first) Unhook(it->first);
}

}  // namespace dusk
