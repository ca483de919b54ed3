// Hooks a window's procedure so that a control sees chosen messages before and/or after
// the previous procedure. One shared window procedure finds each window's hooks; several
// owners may hook the same window and are chained, the newest first.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "platform/dialogs.h"
#include "platform/event_log.h"
#include "widgets/subclass_table.h"

namespace dusk {

// before: called ahead of the previous procedure; handled (in a before call) keeps the
// previous procedure from running; result is what the window procedure returns.
using SubclassHandler = std::function<void(bool before, bool& handled, LRESULT& result,
                                           HWND window, UINT msg, WPARAM wparam,
                                           LPARAM lparam, LONG_PTR& user_value)>;

struct WindowHook;

// The table-driven hook: 32-entry tables, refusals reported to the event log and in a
// message box, removal deferred until no call of the previous procedure is in progress.
class WindowSubclasser {
 public:
  WindowSubclasser(std::string type_name, Dialogs& dialogs, EventLog& log);
  ~WindowSubclasser();
  WindowSubclasser(const WindowSubclasser&) = delete;
  WindowSubclasser& operator=(const WindowSubclasser&) = delete;

  bool Subclass(HWND window, LONG_PTR user_value, SubclassHandler handler);
  void UnSubclass(HWND window);
  void UnSubclassAll();
  void AddMessage(HWND window, int32_t msg, int when);
  void RemoveMessage(HWND window, int32_t msg, int when);
  LRESULT CallPrevious(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
  LONG_PTR UserValue(HWND window);
  void SetUserValue(HWND window, LONG_PTR value);

 private:
  WindowHook* Lookup(HWND window);  // reports its own refusals
  void Report(const std::string& routine, const std::string& message);

  std::string type_name_;
  Dialogs& dialogs_;
  EventLog& log_;
  bool started_ = false;  // the collection exists
  std::map<std::string, WindowHook*> hooks_;  // key: decimal handle followed by "h"
};

// The lighter hook: growable lists, no refusals, removal at once.
class LightSubclasser {
 public:
  explicit LightSubclasser(SubclassHandler handler) : handler_(std::move(handler)) {}
  ~LightSubclasser() { UnhookAll(); }
  LightSubclasser(const LightSubclasser&) = delete;
  LightSubclasser& operator=(const LightSubclasser&) = delete;

  int Hook(HWND window);  // index of the window's record, -1 when it could not be hooked
  void AddMessage(HWND window, int32_t msg, int when);
  void Unhook(HWND window);
  void UnhookAll();

 private:
  SubclassHandler handler_;
  std::vector<std::pair<HWND, WindowHook*>> records_;
};

// Number of hooks currently installed on a window (tests and diagnostics).
int WindowHookCount(HWND window);

}  // namespace dusk
