#include "schedule/win/schedule_editor_window.h"

#include <commctrl.h>

#include "app/app_identity.h"
#include "app/win/hwnd_position.h"
#include "platform/win32/win32_dialogs.h"
#include "power/power_actions.h"
#include "../../../resources/resource_ids.h"
#include "schedule/win/schedule_ids.h"
#include "timer/win/program_buttons.h"

namespace dusk {
namespace {

constexpr UINT_PTR kClockTimer = 1, kWatchTimer = 3;
constexpr UINT kClockInterval = 200;  // the clock label shows seconds
// After the rows are read the watcher looks from the message loop, not from inside
// whatever read them (the main window's start, a Save).
constexpr UINT kFirstLook = 100;
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

HWND DropList(HWND parent, int id, int x, int y, int width, DWORD group = 0) {
  return MakeControl(parent, "COMBOBOX", "", WS_TABSTOP | group | WS_VSCROLL | CBS_DROPDOWNLIST,
                     id, x, y, width, 200);
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
  HWND hour = DropList(parent, hourId, x, y, 50, WS_GROUP);
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

// A themed radio button draws its text in the theme's colour, dark on this navy,
// whatever colour the window asks for; drawn the classic way it takes that colour.
// The theme engine is not there before Windows XP.
void DrawClassic(HWND control) {
  using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static const SetWindowThemeFn setTheme = [] {
    HMODULE lib = LoadLibraryA("uxtheme.dll");
    return lib ? reinterpret_cast<SetWindowThemeFn>(
                     reinterpret_cast<void*>(GetProcAddress(lib, "SetWindowTheme")))
               : nullptr;
  }();
  if (setTheme) setTheme(control, L" ", L" ");  // no such theme class: none applies
}

// An option for one kind with the label that names the kind in words beside it. Each
// option is a group of its own (the editor keeps the three exclusive), so that the
// arrow keys, which move within a group, never land on a label or a list.
void KindOption(HWND parent, const char* text, int id, int x, int y, int width, int labelId,
                int labelWidth) {
  MakeControl(parent, "STATIC", "", SS_NOPREFIX, labelId, x + width + 4, y + 2, labelWidth, 16);
  HWND option = MakeControl(parent, "BUTTON", text, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
                            id, x, y, width, 20);
  DrawClassic(option);
}

}  // namespace

ScheduleEditorWindow::ScheduleEditorWindow(ShellServices& shell, ScheduleRows& rows,
                                           ScheduleWatcher& watcher, ScheduleEditorHooks hooks)
    : shell_(shell),
      positions_{shell.UserRegistry(), shell.Messages()},
      rows_(rows),
      watcher_(watcher),
      hooks_(std::move(hooks)),
      keys_(kScheduleSave, kScheduleCmbAction) {}

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
  BuildControls(w);
  ClockTick();
  std::string error;
  if (!rows_.Open(error)) {
    shell_.Messages().Show(error, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
    if (hwnd()) FillList();  // watches nothing
    return;
  }
  FillList();
}

// Controls are made in reading order, which is their Tab order.
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
  // The action list does not destroy the pictures it is given: the window does.
  SendMessageA(combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);

  MakeControl(w, "STATIC", "Time", 0, kScheduleLabel2, 270, 24, 60, 16);
  MakeControl(w, "STATIC", "", 0, kScheduleClock, 270, 42, 160, 18);

  KindOption(w, "&Date", kScheduleOption1, 40, 76, 70, kScheduleLabel3, 200);
  MakeControl(w, "STATIC", "", 0, kScheduleText1, 0, 0, 0, 0);
  ShowWindow(GetDlgItem(w, kScheduleText1), SW_HIDE);
  MakeControl(w, MONTHCAL_CLASSA, "", WS_TABSTOP | WS_GROUP | WS_BORDER, kScheduleCal1, 40, 100,
              230, 160);
  TimeLists(w, kScheduleHourcom, 280, 100);

  KindOption(w, "&Everyday", kScheduleOption2, 40, 272, 90, kScheduleLabel4, 150);
  TimeLists(w, kScheduleCombo2, 280, 270);

  KindOption(w, "Eve&ry", kScheduleOption3, 40, 306, 70, kScheduleLabel5, 160);
  AddTexts(DropList(w, kScheduleCombo1, 114, 328, 110, WS_GROUP), kWeekdays, 7);
  TimeLists(w, kScheduleCombo5, 280, 328);

  // Enter saves; Esc, the window's cancel command, hides it as Cancel does.
  MakeThemedButton(w, kScheduleSave, "&Save", kWidth / 2 - 130, 368, 110, 32);
  MakeThemedButton(w, kScheduleCancel, "Cancel", kWidth / 2 + 20, 368, 110, 32);
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
  // Its refusals and its question belong to the editor, which waits for them.
  DialogOwnerScope owner(IsWindowVisible(hwnd()) ? hwnd() : nullptr);
  const SaveOutcome outcome = SaveSchedule(Choices(), services);
  if (outcome == SaveOutcome::SavedDone && !retired_) ShowWindow(hwnd(), SW_HIDE);
}

void ScheduleEditorWindow::FillList() {
  std::vector<ScheduleRow> all = rows_.IsOpen() ? rows_.All() : std::vector<ScheduleRow>{};
  if (hooks_.fillList) hooks_.fillList(all);
  watcher_.Watch(all);
  if (hwnd()) SetTimer(hwnd(), kWatchTimer, kFirstLook, nullptr);
}

void ScheduleEditorWindow::WatchNow() {
  if (!hwnd() || retired_) return;
  KillTimer(hwnd(), kWatchTimer);
  const LocalDateTime now = shell_.WallClock().Now();
  for (const std::string& word : watcher_.TakeDue(now))
    if (hooks_.confirm) hooks_.confirm(word);
  // Read again: handing the words over may have taken a moment.
  if (auto wait = watcher_.NextWakeIn(shell_.WallClock().Now()))
    SetTimer(hwnd(), kWatchTimer, *wait, nullptr);
}

void ScheduleEditorWindow::Retire(std::function<void()> idle) {
  retired_ = true;
  hooks_ = {};
  idle_ = std::move(idle);
  if (!hwnd()) return;
  KillTimer(hwnd(), kWatchTimer);
  KillTimer(hwnd(), kClockTimer);
  ShowWindow(hwnd(), SW_HIDE);
}

void ScheduleEditorWindow::ClockTick() {
  const ClockValues clock = ClockValuesAt(shell_.WallClock().Now());
  if (hwnd()) SetTextIfChanged(GetDlgItem(hwnd(), kScheduleClock), clock.label);
}

void ScheduleEditorWindow::UpdateKindLabels() {
  HWND w = hwnd();
  std::string action = ActionText(w);
  SetTextIfChanged(GetDlgItem(w, kScheduleLabel3), action + " one time");
  SetTextIfChanged(GetDlgItem(w, kScheduleLabel4), action + " everyday at");
  SetTextIfChanged(GetDlgItem(w, kScheduleLabel5), action + " every");
}

LRESULT ScheduleEditorWindow::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  ++depth_;
  const LRESULT result = HandleMessage(w, msg, wp, lp);
  if (--depth_ == 0 && retired_ && idle_) {
    auto idle = std::move(idle_);
    idle_ = nullptr;
    idle();
  }
  return result;
}

LRESULT ScheduleEditorWindow::HandleMessage(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT answer = 0;
  if (keys_.Handle(w, msg, wp, lp, answer)) return answer;
  if (MoveAndRemember(w, msg, positions_, "Schedule")) return 0;
  switch (msg) {
    case WM_TIMER:
      if (wp == kClockTimer) ClockTick();
      if (wp == kWatchTimer) WatchNow();
      return 0;
    case WM_TIMECHANGE:
      // The clock was set: the next due minute may be nearer, or this very one.
      WatchNow();
      return 0;
    case WM_POWERBROADCAST:
      if (wp == PBT_APMRESUMESUSPEND || wp == PBT_APMRESUMEAUTOMATIC) WatchNow();
      return TRUE;
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
      const int id = LOWORD(wp);
      const int code = HIWORD(wp);
      if (id == kScheduleCmbAction && code == CBN_SELCHANGE) UpdateKindLabels();
      if (code == BN_CLICKED && id >= kScheduleOption1 && id <= kScheduleOption3 &&
          IsChecked(GetDlgItem(w, id)))
        CheckRadioButton(w, kScheduleOption1, kScheduleOption3, id);
      if (code == BN_CLICKED && id == kScheduleSave) Save();
      if (code == BN_CLICKED && (id == kScheduleCancel || id == IDCANCEL)) ShowWindow(w, SW_HIDE);
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
