#include "timer/win/timer_page.h"

#include <commctrl.h>

#include "../../../resources/resource_ids.h"
#include "widgets/win/window_buttons.h"

namespace dusk {
namespace {

constexpr UINT_PTR kCountdownTimer = 1;
constexpr UINT kCountdownIntervalMs = 100;
constexpr const char* kOldProcProperty = "Dusklatch.EditProc";

// Only digits may be typed into the number fields; everything else, backspace
// included, is dropped before the edit box sees it.
LRESULT CALLBACK DigitsOnly(HWND edit, UINT msg, WPARAM wp, LPARAM lp) {
  auto old = reinterpret_cast<WNDPROC>(GetPropA(edit, kOldProcProperty));
  if (msg == WM_CHAR && !AcceptsTypedChar(static_cast<char>(wp))) return 0;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    RemovePropA(edit, kOldProcProperty);
  }
  return CallWindowProcA(old, edit, msg, wp, lp);
}

int ScrollValue(HWND spinner) { return GetScrollPos(spinner, SB_CTL); }

// The options and boxes are drawn without text, their captions being labels of their
// own: while one has the focus, the panel marks its label instead.
struct BoxLabel {
  int box, label;
};
constexpr BoxLabel kBoxLabels[] = {{kOptIn, kLabel35},    {kOptAt, kLabel36},  {kChkForce, kLabel32},
                                   {kChkBlink, kLabel33}, {kCheck20, kLabel34}};

int LabelOf(int box) {
  for (const BoxLabel& pair : kBoxLabels)
    if (pair.box == box) return pair.label;
  return 0;
}

RECT LabelMark(HWND panel, int label) {
  RECT r{};
  HWND control = GetDlgItem(panel, label);
  if (!control) return r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
  InflateRect(&r, 2, 1);
  return r;
}

void DrawLabelMark(HWND panel, HDC dc) {
  HWND focus = GetFocus();
  const int label = focus && GetParent(focus) == panel ? LabelOf(GetDlgCtrlID(focus)) : 0;
  if (!label) return;
  const RECT mark = LabelMark(panel, label);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  DrawFocusRect(dc, &mark);
}

void RedrawLabelMark(HWND panel, int box) {
  RECT mark = LabelMark(panel, LabelOf(box));
  RedrawWindow(panel, &mark, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The small picture of an action item by its picture key; none when the program
// carries no such icon (the test programs carry none).
HICON ActionPicture(const std::string& key) {
  int id = key == "shut"      ? IDI_ACTION_SHUTDOWN
           : key == "Restart" ? IDI_ACTION_RESTART
           : key == "logoff"  ? IDI_ACTION_LOGOFF
           : key == "standby" ? IDI_ACTION_STANDBY
           : key == "hiber"   ? IDI_ACTION_HIBERNATE
           : key == "lock"    ? IDI_ACTION_LOCK
                              : IDI_APP;
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                       16, 16, LR_DEFAULTCOLOR));
}

}  // namespace

HWND TimerPage::Panel::Create(HWND parent, int width, int height) {
  return CreateAs("DusklatchTimerPanel", WS_EX_CONTROLPARENT,
                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, width, height, parent,
                  kTimerControls);
}

LRESULT TimerPage::Panel::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_VSCROLL:
      return page_.Handle(page_.hwnd(), msg, wp, lp);
    case WM_ERASEBKGND:
      PaintParentBackground(hwnd, reinterpret_cast<HDC>(wp));
      DrawLabelMark(hwnd, reinterpret_cast<HDC>(wp));
      return 1;
    case WM_PRINTCLIENT:
      PaintParentBackground(hwnd, reinterpret_cast<HDC>(wp));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SeeThroughStatic(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp), hwnd,
                              GetParent(page_.hwnd()), msg, wp, lp);
  }
  return TimerWindow::Handle(hwnd, msg, wp, lp);
}

TimerPage::TimerPage(HWND picture1, const std::vector<ActionItem>& actions, Events events)
    : panel_(*this), events_(std::move(events)), actions_(actions) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  RECT area;
  GetClientRect(picture1, &area);
  int width = area.right > 0 ? area.right : 370, height = area.bottom > 0 ? area.bottom : 330;
  HWND page = CreateAs("DusklatchTimerPage", WS_EX_CONTROLPARENT,
                       WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height, picture1);
  if (!page) return;
  HWND panel = panel_.Create(page, width, height - 56);
  BuildControls(panel, width);
  button_ = MakeThemedButton(page, kIsButton1, "&Enable Timer", 16, height - 48, 150, 34);
}

TimerPage::~TimerPage() {
  if (hwnd()) DestroyWindow(hwnd());  // the combo box lets go of the pictures first
  if (images_) ImageList_Destroy(images_);
}

SpinField TimerPage::MakeSpinField(HWND panel, int editId, int spinnerId, const NumberField& rule,
                                   const char* text, int maxChars, int x, int y, int width) {
  SpinField f;
  f.rule = rule;
  f.edit = MakeControl(panel, "EDIT", text, WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL, editId, x, y,
                       width, 22, WS_EX_CLIENTEDGE);
  SendMessageA(f.edit, EM_LIMITTEXT, maxChars, 0);
  SetPropA(f.edit, kOldProcProperty,
           reinterpret_cast<HANDLE>(GetWindowLongPtrA(f.edit, GWLP_WNDPROC)));
  SetWindowLongPtrA(f.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DigitsOnly));
  f.spinner = MakeControl(panel, "SCROLLBAR", "", SBS_VERT, spinnerId, x + width, y, 16, 22);
  SetScrollRange(f.spinner, SB_CTL, rule.min, rule.max, FALSE);
  SetScrollPos(f.spinner, SB_CTL, LeadingNumber(text), FALSE);
  return f;
}

void TimerPage::BuildControls(HWND panel, int width) {
  const int x0 = 16;
  MakeControl(panel, "STATIC", "Action", 0, 0, x0, 18, 60, 18);
  HWND combo = MakeControl(panel, WC_COMBOBOXEXA, "", WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL,
                           kCmbAction, 90, 14, 200, 220);
  images_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 6, 0);
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    HICON icon = ActionPicture(actions_[i].pictureKey);
    int image = icon ? ImageList_AddIcon(images_, icon) : -1;
    if (icon) DestroyIcon(icon);
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = static_cast<INT_PTR>(i);
    item.pszText = const_cast<char*>(actions_[i].text.c_str());
    item.iImage = item.iSelectedImage = image;
    SendMessageA(combo, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);

  // "In": hours and minutes from now.
  int y = 58;
  HWND in = MakeControl(panel, "BUTTON", "", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON | BS_NOTIFY, kOptIn,
                        x0, y + 3, 16, 16);
  SetChecked(in, true);
  MakeControl(panel, "STATIC", "In", 0, kLabel35, x0 + 20, y + 4, 30, 18);
  period_ = MakeSpinField(panel, kTxtPeriod, kVsPeriod, kPeriodField, "0", 3, 60, y, 40);
  MakeControl(panel, "STATIC", "hours", 0, 0, 122, y + 4, 40, 18);
  minutes_ = MakeSpinField(panel, kTxtMin1, kVsMin1, kIntervalMinuteField, "00", 2, 168, y, 32);
  MakeControl(panel, "STATIC", "minutes", 0, 0, 222, y + 4, 60, 18);

  // "At": a time of day on the 12-hour clock.
  y = 92;
  MakeControl(panel, "BUTTON", "", WS_TABSTOP | BS_AUTORADIOBUTTON | BS_NOTIFY, kOptAt, x0, y + 3, 16, 16);
  MakeControl(panel, "STATIC", "At", 0, kLabel36, x0 + 20, y + 4, 30, 18);
  hour_ = MakeSpinField(panel, kTxtHour, kVsHour, kClockHourField, "1", 2, 60, y, 32);
  MakeControl(panel, "STATIC", ":", 0, 0, 112, y + 4, 8, 18);
  clockMinutes_ = MakeSpinField(panel, kTxtMin, kVsMin, kClockMinuteField, "00", 2, 122, y, 32);
  HWND ampm = MakeControl(panel, "COMBOBOX", "", WS_TABSTOP | CBS_DROPDOWNLIST, kCmbT, 178, y,
                          56, 120);
  SendMessageA(ampm, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("AM"));
  SendMessageA(ampm, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("PM"));
  SendMessageA(ampm, CB_SETCURSEL, 0, 0);
  ApplyMode(true);

  // The options; a click on a label toggles its box.
  y = 136;
  HWND force = MakeControl(panel, "BUTTON", "", WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX | BS_NOTIFY, kChkForce,
                           x0, y + 1, 16, 16);
  SetChecked(force, true);
  MakeControl(panel, "STATIC", "Force processes to terminate", SS_NOTIFY, kLabel32, x0 + 20,
              y + 2, 220, 18);
  y += 30;
  HWND blink = MakeControl(panel, "BUTTON", "", WS_TABSTOP | BS_AUTOCHECKBOX | BS_NOTIFY, kChkBlink, x0,
                           y + 1, 16, 16);
  SetChecked(blink, true);
  MakeControl(panel, "STATIC", "Blink the icon", SS_NOTIFY, kLabel33, x0 + 20, y + 2, 100, 18);
  blink_ = MakeSpinField(panel, kTxtBlink, kVsBlink, kBlinkField, "30", 3, 130, y, 40);
  MakeControl(panel, "STATIC", "Seconds before", 0, kLabel60, 192, y + 2, 110, 18);
  y += 30;
  HWND remaining = MakeControl(panel, "BUTTON", "", WS_TABSTOP | BS_AUTOCHECKBOX | BS_NOTIFY, kCheck20, x0,
                               y + 1, 16, 16);
  SetChecked(remaining, true);
  MakeControl(panel, "STATIC", "Show remaining time", SS_NOTIFY, kLabel34, x0 + 20, y + 2, 160, 18);
  (void)width;
}

TimerPageValues TimerPage::Values() const {
  TimerPageValues v;
  int selected = static_cast<int>(SendMessageA(Item(kCmbAction), CB_GETCURSEL, 0, 0));
  v.actionText = selected >= 0 && selected < static_cast<int>(actions_.size())
                     ? actions_[selected].text
                     : std::string();
  v.intervalMode = IsChecked(Item(kOptIn));
  v.period = WindowText(period_.edit);
  v.intervalMinutes = WindowText(minutes_.edit);
  v.clockHour = WindowText(hour_.edit);
  v.clockMinute = WindowText(clockMinutes_.edit);
  v.pm = SendMessageA(Item(kCmbT), CB_GETCURSEL, 0, 0) == 1;
  v.force = IsChecked(Item(kChkForce));
  v.blink = IsChecked(Item(kChkBlink));
  v.blinkSeconds = WindowText(blink_.edit);
  v.showRemaining = IsChecked(Item(kCheck20));
  return v;
}

void TimerPage::EnableControls(bool enable) { EnableWindow(panel_.hwnd(), enable ? TRUE : FALSE); }

void TimerPage::SetButtonCaption(const std::string& text) { SetTextIfChanged(button_, text); }

void TimerPage::SetTickRunning(bool running) {
  if (running == ticking_ || !hwnd()) return;
  ticking_ = running;
  if (running)
    SetTimer(hwnd(), kCountdownTimer, kCountdownIntervalMs, nullptr);
  else
    KillTimer(hwnd(), kCountdownTimer);
}

SpinField* TimerPage::FieldOf(HWND control) {
  for (SpinField* f : {&period_, &minutes_, &hour_, &clockMinutes_, &blink_})
    if (f->edit == control || f->spinner == control) return f;
  return nullptr;
}

void TimerPage::OnFieldEdited(SpinField& field) {
  if (field.rewriting) return;
  FieldState state = EditField(WindowText(field.edit), ScrollValue(field.spinner), field.rule);
  field.rewriting = true;
  if (WindowText(field.edit) != state.text) {
    SetWindowTextA(field.edit, state.text.c_str());
    SendMessageA(field.edit, EM_SETSEL, state.text.size(), state.text.size());
  }
  SetScrollPos(field.spinner, SB_CTL, state.spinner, TRUE);
  field.rewriting = false;
}

void TimerPage::OnSpinner(HWND spinner, int request) {
  SpinField* field = FieldOf(spinner);
  if (!field) return;
  int value = ScrollValue(spinner);
  switch (request) {
    case SB_LINEUP: value = SpinnerStep(value, -1, field->rule); break;
    case SB_LINEDOWN: value = SpinnerStep(value, +1, field->rule); break;
    case SB_PAGEUP: value = SpinnerStep(value, -10, field->rule); break;
    case SB_PAGEDOWN: value = SpinnerStep(value, +10, field->rule); break;
    case SB_TOP: value = field->rule.min; break;
    case SB_BOTTOM: value = field->rule.max; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(spinner, SB_CTL, &info);
      value = SpinnerStep(info.nTrackPos, 0, field->rule);
      break;
    }
    default: return;
  }
  if (value == ScrollValue(spinner)) return;
  SetScrollPos(spinner, SB_CTL, value, TRUE);
  field->rewriting = true;
  SetWindowTextA(field->edit, SpinnerText(value, field->rule).c_str());
  field->rewriting = false;
}

void TimerPage::ApplyMode(bool intervalMode) {
  for (int id : {kTxtPeriod, kVsPeriod, kTxtMin1, kVsMin1})
    EnableWindow(Item(id), intervalMode);
  for (int id : {kTxtHour, kVsHour, kTxtMin, kVsMin, kCmbT}) EnableWindow(Item(id), !intervalMode);
}

void TimerPage::ApplyBlinkEnabling() {
  bool on = IsChecked(Item(kChkBlink));
  EnableWindow(blink_.edit, on);
  EnableWindow(blink_.spinner, on);
}

void TimerPage::OnCommand(int id, int code) {
  auto toggle = [this](int box) { SetChecked(Item(box), !IsChecked(Item(box))); };
  if ((code == BN_SETFOCUS || code == BN_KILLFOCUS) && LabelOf(id)) {
    RedrawLabelMark(panel_.hwnd(), id);
    return;
  }
  switch (id) {
    case kIsButton1:
      if (code == BN_CLICKED && events_.buttonClicked) events_.buttonClicked();
      return;
    case kOptIn:
    case kOptAt:
      if (code == BN_CLICKED) {
        // A click (or a message) on either option selects it and clears the other.
        SetChecked(Item(kOptIn), id == kOptIn);
        SetChecked(Item(kOptAt), id == kOptAt);
        ApplyMode(id == kOptIn);
      }
      return;
    case kLabel32:
      if (code == STN_CLICKED) toggle(kChkForce);
      return;
    case kLabel33:
      if (code == STN_CLICKED) {
        toggle(kChkBlink);
        ApplyBlinkEnabling();
      }
      return;
    case kChkBlink:
      if (code == BN_CLICKED) ApplyBlinkEnabling();
      return;
    case kLabel34:
      if (code == STN_CLICKED) toggle(kCheck20);
      return;
  }
  if (code == EN_CHANGE)
    if (SpinField* field = FieldOf(Item(id))) OnFieldEdited(*field);
}

LRESULT TimerPage::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp));
      return 0;
    case WM_VSCROLL:
      if (lp) OnSpinner(reinterpret_cast<HWND>(lp), LOWORD(wp));
      return 0;
    case WM_TIMER:
      if (wp == kCountdownTimer && events_.tick) events_.tick();
      return 0;
    case WM_ERASEBKGND:
      PaintParentBackground(hwnd, reinterpret_cast<HDC>(wp));
      return 1;
    case WM_PRINTCLIENT:
      PaintParentBackground(hwnd, reinterpret_cast<HDC>(wp));
      return 0;
    case WM_DESTROY:
      if (ticking_) KillTimer(hwnd, kCountdownTimer);
      ticking_ = false;
      break;
  }
  return TimerWindow::Handle(hwnd, msg, wp, lp);
}

}  // namespace dusk
