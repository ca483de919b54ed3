#include "schedule/win/confirmation_window.h"

#include <commctrl.h>

#include "app/win/working_bar.h"
#include "platform/win32/win32_dialogs.h"
#include "schedule/confirmation.h"
#include "schedule/win/schedule_ids.h"
#include "widgets/win/block_progress_bar.h"
#include "widgets/win/window_buttons.h"

namespace dusk {
namespace {
constexpr UINT_PTR kCountdownTimer = 1;
constexpr int kWidth = 520, kHeight = 196;
}  // namespace

// Enter and Esc both cancel: acting at once takes a press of the action's own button.
ConfirmationWindow::ConfirmationWindow(ShellServices& shell)
    : shell_(shell), keys_(kRestartCancel, kRestartCancel) {}

void ConfirmationWindow::Open(const std::string& word) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND w = CreateAs("frmRestart", WS_EX_TOPMOST | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, x, y, kWidth, kHeight,
                    nullptr);
  if (!w) return;
  ++generation_;
  word_ = word;
  bar_ = 0;
  SetWindowTextA(w, "Working..");
  RECT c;
  GetClientRect(w, &c);
  const int left = (c.right - kWorkingBarWidth) / 2;
  MakeControl(w, "STATIC", ConfirmationMessage(word).c_str(), SS_NOPREFIX, kRestartLbl1, left, 12,
              kWorkingBarWidth, 36);
  HWND text1 = MakeControl(w, "EDIT", word.c_str(), 0, kRestartText1, 0, 0, 10, 10);
  ShowWindow(text1, SW_HIDE);
  HWND bar = MakeControl(w, PROGRESS_CLASSA, "", 0, kRestartBar1, left, 54, kWorkingBarWidth, 18);
  SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, kConfirmationBarMax));
  SendMessageA(bar, PBM_SETPOS, 0, 0);
  SetBlockProgressEnabled(CreateWorkingBar(w, kRestartUpb1, left, 80), true);
  // No access key acts at once: the window comes up over whatever the user is typing.
  MakeThemedButton(w, kRestartAction, word, c.right / 2 - 150, c.bottom - 46, 140, 32,
                   kConfirmButtonStyle);
  MakeThemedButton(w, kRestartCancel, "Cancel", c.right / 2 + 10, c.bottom - 46, 140, 32,
                   kConfirmButtonStyle);
  SetTimer(w, kCountdownTimer, 1000, nullptr);
  PutOnTop(w);
  ShowWindow(w, SW_SHOWNOACTIVATE);
}

void ConfirmationWindow::Show(const std::string& word) {
  if (hwnd())
    waiting_.push_back(word);
  else
    Open(word);
}

void ConfirmationWindow::Tick() {
  bar_ += kConfirmationBarStep;
  SendMessageA(GetDlgItem(hwnd(), kRestartBar1), PBM_SETPOS, bar_, 0);
  if (bar_ >= kConfirmationBarMax) PerformNow();
}

void ConfirmationWindow::PerformNow() {
  HWND w = hwnd();
  if (!w || performing_) return;
  // A cleaning run that let this tick or click through is still on the stack: the
  // tasks and the action follow it, on a later tick.
  if (shell_.Cleanup().Busy()) {
    bar_ = kConfirmationBarMax;
    return;
  }
  performing_ = true;
  const std::string word = word_;  // whatever happens while the cleaning runs
  KillTimer(w, kCountdownTimer);
  {
    DialogOwnerScope owner(IsWindowVisible(w) ? w : nullptr);
    shell_.Cleanup().RunCleanupTasks();
  }
  if (word == "Restart" && hwnd() == w)
    SetWindowTextA(GetDlgItem(w, kRestartLbl1), ConfirmationFinalMessage(word).c_str());
  RequestScheduledAction(shell_.Power(), word);
  performing_ = false;
  Close();
}

void ConfirmationWindow::Cancel() {
  if (performing_) return;
  unsigned shown = generation_;
  shell_.Password().Guard(PendingCommand::FrmRestart, [this, shown] {
    // A later window is not the one the user cancelled, and an action under way
    // is carried out.
    if (shown == generation_ && !performing_) Close();
  });
}

void ConfirmationWindow::Close() {
  if (!hwnd()) return;
  KillTimer(hwnd(), kCountdownTimer);
  ShowWindow(hwnd(), SW_HIDE);
  DestroyWindow(hwnd());
  if (!waiting_.empty()) {
    const std::string next = waiting_.front();
    waiting_.pop_front();
    Open(next);
  }
}

LRESULT ConfirmationWindow::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT answer = 0;
  if (keys_.Handle(w, msg, wp, lp, answer)) return answer;
  switch (msg) {
    case WM_TIMER:
      if (wp == kCountdownTimer) Tick();
      return 0;
    case WM_COMMAND:
      // Either may leave another window in this one's place: nothing follows them.
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == kRestartAction)
        PerformNow();
      else if (HIWORD(wp) == BN_CLICKED && (LOWORD(wp) == kRestartCancel || LOWORD(wp) == IDCANCEL))
        Cancel();
      return 0;
    case WM_CLOSE:
      Cancel();  // the caption's close box is the Cancel button
      return 0;
  }
  return TimerWindow::Handle(w, msg, wp, lp);
}

}  // namespace dusk
