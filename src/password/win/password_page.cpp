#include "password/win/password_page.h"

#include "password/win/password_ids.h"
#include "widgets/win/frame_rule.h"
#include "widgets/win/window_buttons.h"

namespace dusk {
namespace {

constexpr int kFrameCaptionHeight = 18;
const char* const kFrameCaption = "Enter the Password";

HWND MaskedField(HWND parent, int id, int x, int y, int width) {
  HWND field = MakeControl(parent, "EDIT", "", ES_PASSWORD | ES_AUTOHSCROLL, id, x, y, width, 22,
                           WS_EX_CLIENTEDGE);
  SendMessageA(field, EM_SETPASSWORDCHAR, '*', 0);
  EnableWindow(field, FALSE);  // shown, never edited here
  return field;
}

HWND TabStopCandy(HWND parent, int id, const char* caption, int x, int y, int width) {
  HWND button = MakeCandyButton(parent, id, caption, x, y, width, 32);
  SetWindowLongPtrA(button, GWL_STYLE, GetWindowLongPtrA(button, GWL_STYLE) | WS_TABSTOP);
  return button;
}

}  // namespace

HWND PasswordPageWin::Frame::Create(HWND page, int x, int y, int width, int height) {
  return CreateAs("DusklatchPasswordFrame", WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE, x, y,
                  width, height, page, kFrame6);
}

LRESULT PasswordPageWin::Frame::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ENABLE) {
    InvalidateRect(w, nullptr, TRUE);  // the rule and caption change colour
    return 0;
  }
  // The labels show the page, in the colour Picture6 picks.
  LRESULT result = 0;
  if (!AnswerSeeThrough(w, GetParent(GetParent(w)), msg, wp, lp, result))
    return TimerWindow::Handle(w, msg, wp, lp);
  if (msg == WM_ERASEBKGND || msg == WM_PRINTCLIENT)
    DrawFrameRule(w, reinterpret_cast<HDC>(wp), kFrameCaption, kFrameCaptionHeight,
                  IsWindowEnabled(w) != FALSE);
  return result;
}

PasswordPageWin::PasswordPageWin(HWND picture6, PasswordProtection& protection)
    : protection_(protection) {
  RECT area;
  GetClientRect(picture6, &area);
  const int width = area.right > 0 ? area.right : 380, height = area.bottom > 0 ? area.bottom : 339;
  HWND page = CreateAs("DusklatchPasswordPage", WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE, 0, 0,
                       width, height, picture6);
  if (!page) return;
  const int x0 = 20, inner = width - 2 * 12;
  // A bare box: a themed check box would draw its own caption in the theme's colour,
  // unreadable on the dark page. A click on the label ticks it too.
  MakeControl(page, "BUTTON", "", WS_TABSTOP | BS_AUTOCHECKBOX, kCheck24, x0, 18, 16, 18);
  MakeControl(page, "STATIC", "Enable password protection", SS_NOTIFY, kLabel48, x0 + 20, 19, 240,
              18);

  HWND frame = frame_.Create(page, 12, 52, inner, 186);
  MakeControl(frame, "STATIC", "Password", 0, kPageLabel29, 16, 34, 80, 18);
  MaskedField(frame, kPageText11, 100, 31, 170);
  HWND retype = MakeControl(frame, "STATIC", "Retype Password", 0, kPageLabelRetype, 16, 62, 80, 18);
  ShowWindow(retype, SW_HIDE);
  ShowWindow(MaskedField(frame, kPageText12, 100, 59, 170), SW_HIDE);
  MakeControl(frame, "STATIC", "The default password is quazel.Please change it.", 0, kLabel59, 16,
              68, inner - 32, 18);
  MakeControl(frame, "STATIC", "To change the password click on \"Change Password \" button", 0,
              kLabel53, 16, 96, inner - 32, 34);
  MakeControl(frame, "STATIC", "****The password length must be atleast 6", 0, kPageLabel31, 16,
              140, inner - 32, 18);

  TabStopCandy(page, kChangePassword, "Change Password", x0, 256, 160);
  TabStopCandy(page, kSaveSettings, "Save Settings", x0 + 178, 256, 130);
  HWND savePassword = MakeCandyButton(page, kSavePassword, "Save Password", x0, 256, 160, 32);
  ShowWindow(savePassword, SW_HIDE);
}

HWND PasswordPageWin::Item(int id) const {
  HWND direct = GetDlgItem(hwnd(), id);
  return direct ? direct : GetDlgItem(frame_.hwnd(), id);
}

void PasswordPageWin::Show(const PasswordPage& page) {
  if (!hwnd()) return;
  if (IsChecked(Item(kCheck24)) != page.check24) SetChecked(Item(kCheck24), page.check24);
  SetTextIfChanged(Item(kPageText11), page.text11);
  SetTextIfChanged(Item(kPageText12), page.text12);
  const BOOL on = page.check24 ? TRUE : FALSE;
  for (int id : {kFrame6, kSavePassword, kChangePassword})
    if ((IsWindowEnabled(Item(id)) != FALSE) != page.check24) EnableWindow(Item(id), on);
}

void PasswordPageWin::OnCommand(int id, int code) {
  switch (id) {
    case kCheck24:
      if (code == BN_CLICKED) protection_.SetProtectionBox(IsChecked(Item(kCheck24)));
      return;
    case kLabel48:
      if (code == STN_CLICKED) protection_.SetProtectionBox(!IsChecked(Item(kCheck24)));
      return;
    case kSaveSettings:
      if (code == BN_CLICKED) protection_.SaveSettings();
      return;
    case kSavePassword:
      if (code == BN_CLICKED) protection_.SavePassword();
      return;
    case kChangePassword:
      if (code == BN_CLICKED) protection_.ChangePassword();
      return;
  }
}

}  // namespace dusk
