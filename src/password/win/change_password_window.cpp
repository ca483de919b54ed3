#include "password/win/change_password_window.h"

#include "app/win/on_top.h"

namespace dusk {
namespace {
constexpr int kWidth = 291, kHeight = 234;
}  // namespace

void ChangePasswordWindow::Create() {
  HWND w = CreateBorderless("chpass", 0, kWidth, kHeight);
  if (!w) return;
  SetWindowTextA(w, "Change Password");
  struct Row {
    const char* label;
    int labelId, fieldId;
  };
  const Row rows[] = {{"Old Password", kChangeLabelOld, kChangeText1},
                      {"New Password", kChangeLabelNew, kChangeText11},
                      {"Retype Password", kChangeLabelRetype, kChangeText12}};
  int y = 28;
  for (const Row& row : rows) {
    MakeControl(w, "STATIC", row.label, 0, row.labelId, 20, y + 3, 110, 18);
    MakePasswordField(row.fieldId, 132, y, kWidth - 152);
    y += 36;
  }
  MakeControl(w, "STATIC", "****The password length must be atleast 6", 0, kChangeLabel31, 20,
              y + 4, kWidth - 40, 18);
  MakeOkCancel(kChangeOk, 36, kChangeCancel, kWidth - 136, kHeight - 56);
  MakeTopmost(w);
}

void ChangePasswordWindow::Show() {
  if (!hwnd()) Create();
  if (hwnd()) ShowActive();
}

void ChangePasswordWindow::Hide() {
  if (!hwnd()) return;
  // Passwords typed here are not kept for whoever opens the window next.
  for (int id : {kChangeText1, kChangeText11, kChangeText12}) SetWindowTextA(GetDlgItem(hwnd(), id), "");
  ShowWindow(hwnd(), SW_HIDE);
}

void ChangePasswordWindow::Focus(ChangeField field) {
  if (hwnd()) FocusAndSelect(GetDlgItem(hwnd(), field == ChangeField::Old ? kChangeText1 : kChangeText11));
}

void ChangePasswordWindow::OnOk() {
  protection_.ChangeOk(FieldText(kChangeText1), FieldText(kChangeText11), FieldText(kChangeText12));
}

void ChangePasswordWindow::OnCancel() { protection_.ChangeCancel(); }

}  // namespace dusk
