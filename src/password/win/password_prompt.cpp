#include "password/win/password_prompt.h"

#include "password/win/password_ids.h"

namespace dusk {
namespace {
constexpr int kWidth = 299, kHeight = 210;
}  // namespace

void PasswordPrompt::Create() {
  // Topmost, so that it is not lost behind the schedule confirmation window it may be
  // asked from.
  HWND w = CreateBorderless("validate", WS_EX_TOPMOST, kWidth, kHeight);
  if (!w) return;
  SetWindowTextA(w, "Password");
  HWND title = MakeControl(w, "STATIC", "Passwod is Required to continue", SS_CENTER, kPromptLabel1,
                           16, 28, kWidth - 32, 20);
  static HFONT bold = ArialBold(10);
  UseFont(title, bold);
  MakeControl(w, "STATIC", "Enter  password", 0, kPromptLabel29, 40, 70, kWidth - 80, 18);
  MakePasswordField(kPromptText11, 40, 90, kWidth - 80);
  MakeOkCancel(kPromptOk, 40, kPromptCancel, kWidth - 140, 146);
  HWND word = MakeControl(w, "EDIT", "", 0, kPromptText2, 0, 0, 10, 10);
  ShowWindow(word, SW_HIDE);
}

void PasswordPrompt::Open(PendingCommand command) {
  if (!hwnd()) Create();
  if (!hwnd()) return;
  SetTextIfChanged(GetDlgItem(hwnd(), kPromptText2), PendingCommandWord(command));
  ShowActive();
}

void PasswordPrompt::Retry() {
  if (!hwnd()) return;
  ShowActive();
  FocusAndSelect(FirstField());
}

void PasswordPrompt::Hide() {
  if (!hwnd()) return;
  // A password left in a hidden prompt would let the next person through with Enter.
  SetWindowTextA(FirstField(), "");
  ShowWindow(hwnd(), SW_HIDE);
}

void PasswordPrompt::Close() {
  if (hwnd()) DestroyWindow(hwnd());
}

void PasswordPrompt::OnOk() { protection_.PromptOk(FieldText(kPromptText11)); }

void PasswordPrompt::OnCancel() { protection_.PromptCancel(); }

}  // namespace dusk
