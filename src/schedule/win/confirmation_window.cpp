#include "schedule/win/confirmation_window.h"

#include <commctrl.h>

#include "app/win/working_bar.h"
#include "schedule/confirmation.h"
#include "schedule/win/schedule_ids.h"
#include "timer/win/program_buttons.h"
#include "timer/win/timer_window.h"
#include "widgets/win/block_progress_bar.h"

namespace dusk {
namespace {
constexpr UINT_PTR kCountdownTimer = 1;
constexpr int kWidth = 520, kHeight = 196;
}  // namespace

void ConfirmationWindow::Create() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND w = CreateAs("frmRestart", WS_EX_TOPMOST | WS_EX_DLGMODALFRAME,
                    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, x, y, kWidth, kHeight,
                    nullptr);
  if (!w) return;
  ++generation_;
  SetWindowTextA(w, "Working..");
  RECT c;
  GetClientRect(w, &c);
  const int left = (c.right - kWorkingBarWidth) / 2;
  MakeControl(w, "STATIC", "", 0, kRestartLbl1, left, 12, kWorkingBarWidth, 36);
  HWND text1 = MakeControl(w, "EDIT", "", 0, kRestartText1, 0, 0, 10, 10);
  ShowWindow(text1, SW_HIDE);
  HWND bar = MakeControl(w, PROGRESS_CLASSA, "", 0, kRestartBar1, left, 54, kWorkingBarWidth, 18);
  SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, kConfirmationBarMax));
  SendMessageA(bar, PBM_SETPOS, 0, 0);
  SetBlockProgressEnabled(CreateWorkingBar(w, kRestartUpb1, left, 80), true);
  MakeThemedButton(w, kRestartAction, "", c.right / 2 - 150, c.bottom - 46, 140, 32,
                   kConfirmButtonStyle);
  MakeThemedButton(w, kRestartCancel, "Cancel", c.right / 2 + 10, c.bottom - 46, 140, 32,
                   kConfirmButtonStyle);
  bar_ = 0;
  SetTimer(w, kCountdownTimer, 1000, nullptr);
  PutOnTop(w);
}

void ConfirmationWindow::Show(const std::string& word) {
  if (!hwnd()) Create();
  if (!hwnd()) return;
  word_ = word;
  SetWindowTextA(GetDlgItem(hwnd(), kRestartText1), word.c_str());
  SetTextIfChanged(GetDlgItem(hwnd(), kRestartAction), word);
  std::string message = ConfirmationMessage(word);
  if (!message.empty()) SetTextIfChanged(GetDlgItem(hwnd(), kRestartLbl1), message);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

void ConfirmationWindow::Tick() {
  HWND w = hwnd();
  SetTextIfChanged(GetDlgItem(w, kRestartAction), word_);
  std::string message = ConfirmationMessage(word_);
  if (!message.empty()) SetTextIfChanged(GetDlgItem(w, kRestartLbl1), message);
  bar_ += kConfirmationBarStep;
  SendMessageA(GetDlgItem(w, kRestartBar1), PBM_SETPOS, bar_, 0);
  if (bar_ >= kConfirmationBarMax) PerformNow();
}

void ConfirmationWindow::PerformNow() {
  HWND w = hwnd();
  if (!w) return;
  KillTimer(w, kCountdownTimer);
  shell_.Cleanup().RunCleanupTasks();
  if (word_ == "Restart")
    SetWindowTextA(GetDlgItem(w, kRestartLbl1), ConfirmationFinalMessage(word_).c_str());
  RequestScheduledAction(shell_.Power(), word_);
  Close();
}

void ConfirmationWindow::Cancel() {
  unsigned shown = generation_;
  shell_.Password().Guard(PendingCommand::FrmRestart, [this, shown] {
    if (shown == generation_) Close();  // a later window is not the one the user cancelled
  });
}

void ConfirmationWindow::Close() {
  if (!hwnd()) return;
  KillTimer(hwnd(), kCountdownTimer);
  ShowWindow(hwnd(), SW_HIDE);
  DestroyWindow(hwnd());
}

LRESULT ConfirmationWindow::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == kCountdownTimer) Tick();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        if (LOWORD(wp) == kRestartAction) PerformNow();
        if (LOWORD(wp) == kRestartCancel) Cancel();
      }
      return 0;
    case WM_CLOSE:
      Cancel();  // the caption's close box is the Cancel button
      return 0;
  }
  return TimerWindow::Handle(w, msg, wp, lp);
}

}  // namespace dusk
