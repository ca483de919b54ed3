#include "schedule/win/schedule_editor_window.h"

#include <commctrl.h>

#include "app/app_identity.h"
#include "app/win/hwnd_position.h"
#include "power/power_actions.h"
#include "../../../resources/resource_ids.h"
#include "schedule/win/schedule_ids.h"
#include "timer/win/program_buttons.h"

namespace dusk {
namespace {

constexpr UINT_PTR kClockTimer = 1, kScanTimer = 3, kRearmTimer = 4;
constexpr UINT kClockInterval = 200;  // the clock label shows seconds
constexpr int kWidth = 470, kHeight = 420;
constexpr COLORREF kBackground = RGB(30, 40, 84), kLabelText = RGB(236, 232, 255);

HBRUSH Background() {
  static HBRUSH brush = CreateSolidBrush(kBackground);  // lives as long as the program
  return brush;
}

const char* const kActions[] = {"Shutdown", "Restart", "Log Off", "Suspend", "Hibernate",
                                "Lock Computer"};
const int kActionIcons[] = {IDI_ACTION_SHUTDOWN, IDI_ACTION_RESTART,   IDI_ACTION_LOGOFF,
                            IDI_ACTION_STANDBY,  IDI_ACTION_HIBERNATE, IDI_ACTION_LOCK};
const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

HWND DropList(HWND parent, int id, int x, int y, int width) {
  return MakeControl(parent, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, id, x, y,
                     width, 200);
}

void AddNumbers(HWND list, int from, int to) {
  for (int n = from; n <= to; ++n) {
    char text[4] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), 0, 0};
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
}

void AddTexts(HWND list, const char* const* texts, int count) {
  for (int i = 0; i < count; ++i)
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[i]));
}

// A time row: hour, minute and AM/PM lists side by side.
void TimeLists(HWND parent, int hourId, int x, int y) {
  HWND hour = DropList(parent, hourId, x, y, 50);
  AddNumbers(hour, 1, 12);
  HWND minute = DropList(parent, hourId + 1, x + 56, y, 50);
  AddNumbers(minute, 0, 59);
  const char* ampm[] = {"AM", "PM"};
  AddTexts(DropList(parent, hourId + 2, x + 112, y, 50), ampm, 2);
}

std::string Selected(HWND dialog, int id) {
  HWND list = GetDlgItem(dialog, id);
  LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return "";
  char text[64] = "";
  SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

// The image combo's own text is not its selected item's: read the item.
std::string ActionText(HWND dialog) {
  HWND combo = GetDlgItem(dialog, kScheduleCmbAction);
  LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return "";
  char text[64] = "";
  COMBOBOXEXITEMA item{};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return text;
}

TimeChoice TimeFrom(HWND dialog, int hourId) {
  return {Selected(dialog, hourId), Selected(dialog, hourId + 1), Selected(dialog, hourId + 2)};
}

}  // namespace

ScheduleEditorWindow::ScheduleEditorWindow(ShellServices& shell, ScheduleRows& rows,
                                           ScheduleEditorHooks hooks)
    : shell_(shell),
      positions_{shell.UserRegistry(), shell.Messages()},
      rows_(rows),
      hooks_(std::move(hooks)) {}

ScheduleEditorWindow::~ScheduleEditorWindow() {
  if (hwnd()) DestroyWindow(hwnd());  // the action list lets go of its pictures first
  if (images_) ImageList_Destroy(images_);
}

void ScheduleEditorWindow::Create() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_USEREX_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  HWND w = CreateAs("Schedule", WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT,
                    WS_POPUP | WS_CLIPCHILDREN, 0, 0, kWidth, kHeight, nullptr);
  if (!w) return;
  SetWindowTextA(w, "Schedule");
  HwndPosition position(w, "Schedule");
  LoadFormPosition(positions_, position);
  // The window owns the region once it is set.
  HRGN region = CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, 51, 51);
  if (region && !SetWindowRgn(w, region, FALSE)) DeleteObject(region);
  scan_.SetEnabled(true);
  BuildControls(w);
  ClockTick();
  SetTimer(w, kRearmTimer, kRearmInterval, nullptr);
  std::string error;
  if (!rows_.Open(error)) {
    shell_.Messages().Show(error, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
    ApplyScanTimer();
    return;
  }
  FillList();
}

void ScheduleEditorWindow::BuildControls(HWND w) {
  HWND combo = MakeControl(w, WC_COMBOBOXEXA, "", WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL,
                           kScheduleCmbAction, 40, 40, 200, 240);
  images_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 6, 0);
  for (int i = 0; i < 6; ++i) {
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                               MAKEINTRESOURCEA(kActionIcons[i]), IMAGE_ICON, 16,
                                               16, LR_DEFAULTCOLOR));
    int image = icon ? ImageList_AddIcon(images_, icon) : -1;
    if (icon) DestroyIcon(icon);
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = i;
    item.pszText = const_cast<char*>(kActions[i]);
    item.iImage = item.iSelectedImage = image;
    SendMessageA(combo, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);

  MakeControl(w, "STATIC", "Time", 0, kScheduleLabel2, 270, 24, 60, 16);
  MakeControl(w, "STATIC", "", 0, kScheduleClock, 270, 42, 160, 18);

  MakeControl(w, "BUTTON", "Date", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, kScheduleOption1,
              40, 76, 70, 20);
  MakeControl(w, "STATIC", "", 0, kScheduleLabel3, 114, 78, 200, 16);
  MakeControl(w, "STATIC", "", 0, kScheduleText1, 0, 0, 0, 0);
  ShowWindow(GetDlgItem(w, kScheduleText1), SW_HIDE);
  MakeControl(w, MONTHCAL_CLASSA, "", WS_TABSTOP | WS_BORDER,
              kScheduleCal1, 40, 100, 230, 160);
  TimeLists(w, kScheduleHourcom, 280, 100);

  MakeControl(w, "BUTTON", "Everyday", WS_TABSTOP | BS_AUTORADIOBUTTON, kScheduleOption2, 40, 272,
              90, 20);
  MakeControl(w, "STATIC", "", 0, kScheduleLabel4, 134, 274, 150, 16);
  TimeLists(w, kScheduleCombo2, 280, 270);

  MakeControl(w, "BUTTON", "Every", WS_TABSTOP | BS_AUTORADIOBUTTON, kScheduleOption3, 40, 306,
              70, 20);
  MakeControl(w, "STATIC", "", 0, kScheduleLabel5, 114, 308, 160, 16);
  AddTexts(DropList(w, kScheduleCombo1, 114, 328, 110), kWeekdays, 7);
  TimeLists(w, kScheduleCombo5, 280, 304);

  MakeThemedButton(w, kScheduleSave, "Save", kWidth / 2 - 130, 364, 110, 32);
  MakeThemedButton(w, kScheduleCancel, "Cancel", kWidth / 2 + 20, 364, 110, 32);
  UpdateKindLabels();
}

void ScheduleEditorWindow::ShowEditor() {
  if (!hwnd()) return;
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

EditorChoices ScheduleEditorWindow::Choices() const {
  HWND w = hwnd();
  EditorChoices c;
  c.action = ActionText(w);
  if (IsChecked(GetDlgItem(w, kScheduleOption1))) c.kind = ScheduleKind::OneTime;
  if (IsChecked(GetDlgItem(w, kScheduleOption2))) c.kind = ScheduleKind::Daily;
  if (IsChecked(GetDlgItem(w, kScheduleOption3))) c.kind = ScheduleKind::DayBasis;
  c.pickedDate = WindowText(GetDlgItem(w, kScheduleText1));
  c.oneTime = TimeFrom(w, kScheduleHourcom);
  c.daily = TimeFrom(w, kScheduleCombo2);
  c.weekday = Selected(w, kScheduleCombo1);
  c.dayBasis = TimeFrom(w, kScheduleCombo5);
  return c;
}

void ScheduleEditorWindow::Save() {
  SaveServices services{
      shell_.Messages(), rows_,
      [this] { return IsHibernationAvailable(shell_.Power(), shell_.HibernationFilePath()); },
      [this] {
        if (hooks_.clearList) hooks_.clearList();
        FillList();
      }};
  if (SaveSchedule(Choices(), services) == SaveOutcome::SavedDone) ShowWindow(hwnd(), SW_HIDE);
}

void ScheduleEditorWindow::FillList() {
  std::vector<ScheduleRow> all = rows_.IsOpen() ? rows_.All() : std::vector<ScheduleRow>{};
  if (all.empty()) scan_.SetEnabled(true);
  if (hooks_.fillList) hooks_.fillList(all);
  scan_.Reset(std::move(all));
  ApplyScanTimer();
}

void ScheduleEditorWindow::ReadClock() {
  LocalDateTime now = shell_.WallClock().Now();
  clock_ = ClockValuesAt(now, shell_.WallClock().LongWeekdayName(now));
}

void ScheduleEditorWindow::ClockTick() {
  ReadClock();
  if (hwnd()) SetTextIfChanged(GetDlgItem(hwnd(), kScheduleClock), clock_.label);
}

void ScheduleEditorWindow::ScanTick() {
  ReadClock();
  scan_.Tick(clock_, [this](const std::string& word) {
    if (hooks_.confirm) hooks_.confirm(word);
  });
  ApplyScanTimer();
}

// The scan timer follows the scan's state: stopped while paused or while there is no
// row to examine (the program idles in the tray), re-set when its interval changes.
// Each scan tick reads the clock itself, so nothing else needs to tick while hidden.
void ScheduleEditorWindow::ApplyScanTimer() {
  if (!hwnd()) return;
  if (!scan_.enabled() || !scan_.HasRows()) {
    if (scanTimerOn_) KillTimer(hwnd(), kScanTimer);
    scanTimerOn_ = false;
    return;
  }
  if (scanTimerOn_ && scanTimerInterval_ == scan_.interval()) return;
  SetTimer(hwnd(), kScanTimer, scan_.interval(), nullptr);
  scanTimerOn_ = true;
  scanTimerInterval_ = scan_.interval();
}

void ScheduleEditorWindow::UpdateKindLabels() {
  HWND w = hwnd();
  std::string action = ActionText(w);
  SetTextIfChanged(GetDlgItem(w, kScheduleLabel3), action + " one time");
  SetTextIfChanged(GetDlgItem(w, kScheduleLabel4), action + " everyday at");
  SetTextIfChanged(GetDlgItem(w, kScheduleLabel5), action + " every");
}

LRESULT ScheduleEditorWindow::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (MoveAndRemember(w, msg, positions_, "Schedule")) return 0;
  switch (msg) {
    case WM_TIMER:
      if (wp == kClockTimer) ClockTick();
      if (wp == kScanTimer) ScanTick();
      if (wp == kRearmTimer) {
        scan_.Rearm();
        ApplyScanTimer();
      }
      return 0;
    case WM_SHOWWINDOW:
      // The clock label is only seen while the editor is shown.
      if (wp) {
        ClockTick();
        SetTimer(w, kClockTimer, kClockInterval, nullptr);
      } else {
        KillTimer(w, kClockTimer);
      }
      break;
    case WM_COMMAND: {
      int id = LOWORD(wp);
      if (id == kScheduleCmbAction && HIWORD(wp) == CBN_SELCHANGE) UpdateKindLabels();
      if (HIWORD(wp) == BN_CLICKED && id == kScheduleSave) Save();
      if (HIWORD(wp) == BN_CLICKED && id == kScheduleCancel) ShowWindow(w, SW_HIDE);
      return 0;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      if (header->idFrom == static_cast<UINT_PTR>(kScheduleCal1) && header->code == MCN_SELECT) {
        const SYSTEMTIME& day = reinterpret_cast<NMSELCHANGE*>(lp)->stSelStart;
        SetWindowTextA(GetDlgItem(w, kScheduleText1),
                       DayMonthYear(day.wDay, day.wMonth, day.wYear).c_str());
      }
      return 0;
    }
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(w, &area);
      FillRect(reinterpret_cast<HDC>(wp), &area, Background());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wp);
      HWND control = reinterpret_cast<HWND>(lp);
      int id = GetDlgCtrlID(control);
      bool option = id == kScheduleOption1 || id == kScheduleOption2 || id == kScheduleOption3;
      SetTextColor(dc, option ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kLabelText);
      SetBkColor(dc, kBackground);
      return reinterpret_cast<LRESULT>(Background());
    }
  }
  return TimerWindow::Handle(w, msg, wp, lp);
}

}  // namespace dusk
