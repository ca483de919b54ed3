// The windows of the countdown: one trampoline from the window procedure to the
// object that owns the window (taken at WM_NCCREATE, cleared at WM_NCDESTROY),
// and the small helpers their controls share.
#pragma once
#include <windows.h>

#include <string>

#include "widgets/win/window_buttons.h"

namespace dusk {

class TimerWindow {
 public:
  TimerWindow() = default;
  TimerWindow(const TimerWindow&) = delete;
  TimerWindow& operator=(const TimerWindow&) = delete;
  virtual ~TimerWindow();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers `className` on first use and creates a window whose messages go to Handle.
  HWND CreateAs(const char* className, DWORD exStyle, DWORD style, int x, int y, int width,
                int height, HWND parent, int id = 0);
  virtual LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
};

// A settings page of the main window: a panel filling its page container that shows
// the page behind it and hands its controls' commands to OnCommand.
class SettingsPanel : public TimerWindow {
 protected:
  // Creates the panel over the whole of `container`; null when it could not be made.
  HWND CreatePanel(const char* className, HWND container);
  virtual void OnCommand(int id, int code) = 0;
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
  HWND Item(int id) const { return GetDlgItem(hwnd(), id); }
};

// Control helpers.
HWND MakeControl(HWND parent, const char* className, const char* text, DWORD style, int id,
                 int x, int y, int width, int height, DWORD exStyle = 0);
std::string WindowText(HWND hwnd);
void SetTextIfChanged(HWND hwnd, const std::string& text);
bool IsChecked(HWND box);
void SetChecked(HWND box, bool checked);
// A created "Arial" bold font (DialogFont is the program's default).
HFONT ArialBold(int points);

// Puts a window above every window that is not topmost, without moving or sizing it.
void PutOnTop(HWND hwnd);
// Paints the colours of the evening sky from top to bottom.
void PaintDusk(HDC dc, const RECT& area);

}  // namespace dusk

namespace dusk {
// Lets a child panel show whatever its parent paints behind it.
void PaintParentBackground(HWND child, HDC dc);
// Answers WM_CTLCOLORSTATIC for labels and boxes on a panel that shows its parent's
// background, in the text colour `host` (the page the panel sits on) picks; edit
// boxes keep their own colours.
LRESULT SeeThroughStatic(HWND control, HDC dc, HWND panel, HWND host, UINT msg, WPARAM wp,
                         LPARAM lp);
// Both of the above for a see-through panel: answers erasing, printing and the colours
// of its labels and boxes. True when `msg` was one of those; `result` is the answer.
bool AnswerSeeThrough(HWND panel, HWND host, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
}  // namespace dusk
