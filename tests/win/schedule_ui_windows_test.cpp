// The schedule page, the hidden editor and the confirmation window driven by
// messages, against a main window double that records what it is asked.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "window_probe.h"
#include "app/win/shell_services.h"
#include "platform/host/fake_clock.h"
#include "platform/host/ini_file_profile.h"
#include "platform/host/memory_registry.h"
#include "platform/host/recording_dialogs.h"
#include "platform/host/recording_power.h"
#include "platform/win32/win32_dialogs.h"
#include "schedule/win/schedule_ids.h"
#include "schedule/win/schedule_part.h"
#include "timer/win/timer_window.h"
#include "widgets/win/block_progress_bar.h"
#include "widgets/win/themed_button.h"

namespace dusk {
namespace {

struct Services : CleanupRunner, CleaningCommands, PasswordGate {
  std::vector<std::string>* log = nullptr;
  bool passwordOn = false;
  std::vector<std::function<void()>> waiting;  // commands behind an unanswered prompt
  std::function<void()> duringCleanup;  // the cleaning run lets the message loop run
  bool busy = false;                     // a tray command's cleaning step is under way
  bool Busy() const override { return busy; }
  void RunCleanupTasks() override {
    log->push_back("cleanup");
    if (duringCleanup) duringCleanup();
  }
  void Run(CleaningCommand) override {}
  void Guard(PendingCommand command, std::function<void()> proceed) override {
    log->push_back(std::string("guard ") + PendingCommandWord(command));
    if (passwordOn)
      waiting.push_back(std::move(proceed));
    else
      proceed();
  }
};

// Recorded message boxes; `during` runs while one is "open", as the user might.
struct ScriptedDialogs : RecordingDialogs {
  std::function<void(const std::string& text)> during;
  MsgResult Show(const std::string& text, const std::string& title, MsgButtons buttons,
                 MsgIcon icon) override {
    if (during) during(text);
    return RecordingDialogs::Show(text, title, buttons, icon);
  }
};

class FakeShell : public ShellServices {
 public:
  FakeShell() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = "ScheduleTestMain";
    RegisterClassA(&wc);
    main = CreateWindowExA(0, "ScheduleTestMain", "", WS_POPUP | WS_VISIBLE, 0, 0, 500, 433,
                           nullptr, nullptr, wc.hInstance, nullptr);
    picture7 = CreateWindowExA(0, "ScheduleTestMain", "", WS_CHILD | WS_VISIBLE, 130, 40, 370,
                               330, main, nullptr, wc.hInstance, nullptr);
    services.log = &log;
    power.sink = [this](const std::string& line) { log.push_back("request " + line); };
  }
  ~FakeShell() override {
    part.reset();
    DestroyWindow(main);
  }

  PowerApi& Power() override { return power; }
  Dialogs& Messages() override { return *messages; }
  Clock& WallClock() override { return clock; }
  ProfileApi& Profile() override { return profile; }
  Registry& UserRegistry() override { return registry; }
  CleanupRunner& Cleanup() override { return services; }
  CleaningCommands& Cleaning() override { return services; }
  PasswordGate& Password() override { return services; }
  std::string ProgramFolder() const override { return ""; }
  std::string SettingsFile() const override { return "schedule_ui_test.ini"; }
  std::string HibernationFilePath() const override { return "C:\\hiberfil.sys"; }
  HWND MainWindow() const override { return main; }
  void ShowMainWindow() override {}
  void ShowPage(Page) override {}
  void HideMainWindow() override {}
  void ShowAbout() override {}
  void SetStatusText(const std::string&) override {}
  void EndProgram(ExitOrigin) override {}
  void SetTrayTip(const std::string&) override {}
  void SetTrayIconShown(bool) override {}

  void Create(std::vector<ScheduleRow> initial) {
    auto store = std::make_unique<MemoryScheduleRows>();
    std::string error;
    for (const auto& row : initial) store->Append(row, error);
    rows = store.get();
    part = CreateSchedulePartWith(*this, picture7, std::move(store));
  }

  std::vector<std::string> log;
  HWND main = nullptr, picture7 = nullptr;
  RecordingPower power;
  ScriptedDialogs dialogs;
  Dialogs* messages = &dialogs;
  FakeClock clock{{2026, 12, 8, 22, 29, 50, 2}};
  IniFileProfile profile;
  MemoryRegistry registry;
  Services services;
  MemoryScheduleRows* rows = nullptr;
  std::unique_ptr<StartupPart> part;
};

void Click(HWND top, int id) { SendClick(FindControl(top, id)); }

void Pick(HWND top, int id, int index) {
  HWND list = FindControl(top, id);
  SendMessageA(list, CB_SETCURSEL, index, 0);
  SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

int ListRows(FakeShell& shell) {
  return static_cast<int>(
      SendMessageA(FindControl(shell.picture7, kScheduleListView1), LVM_GETITEMCOUNT, 0, 0));
}

std::string Cell(FakeShell& shell, int row, int column) {
  char text[64] = "";
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(FindControl(shell.picture7, kScheduleListView1), LVM_GETITEMTEXTA, row,
               reinterpret_cast<LPARAM>(&item));
  return text;
}

// Enters an everyday schedule in the open editor and saves it, answering No to "more?".
void SaveDaily(FakeShell& shell, HWND editor, int hour, int minute, bool pm) {
  SendMessageA(FindControl(editor, kScheduleOption2), BM_SETCHECK, BST_CHECKED, 0);
  Pick(editor, kScheduleCombo2, hour - 1);
  Pick(editor, kScheduleCombo3, minute);
  Pick(editor, kScheduleCombo4, pm ? 1 : 0);
  shell.dialogs.QueueAnswer(MsgResult::No);
  Click(editor, kScheduleSave);
}

ScheduleRow Daily(const char* action, const char* time) {
  return {action, "DAILY", time, "Daily", action};
}

TEST(ScheduleWindows, ListShowsRowsAndDeletesByPosition) {
  FakeShell shell;
  shell.Create({Daily("Shutdown", "10:30:PM"), Daily("Restart", "10:31:PM"),
                {"Lock Computer", "Tuesday", "07:05:AM", "Day Basis", "Lock Computer"}});
  ASSERT_EQ(ListRows(shell), 3);
  EXPECT_EQ(Cell(shell, 2, 0), "Lock Computer");
  EXPECT_EQ(Cell(shell, 2, 1), "Tuesday");
  EXPECT_EQ(Cell(shell, 2, 2), "07:05:AM");
  EXPECT_EQ(Cell(shell, 2, 3), "Day Basis");

  HWND list = FindControl(shell.picture7, kScheduleListView1);
  LVITEMA select{};
  select.stateMask = select.state = LVIS_SELECTED;
  SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&select));
  Click(shell.picture7, kScheduleDelete);
  ASSERT_EQ(shell.rows->All().size(), 2u);
  EXPECT_EQ(shell.rows->All()[1].action, "Lock Computer");
  ASSERT_EQ(ListRows(shell), 2);
  EXPECT_EQ(Cell(shell, 0, 0), "Shutdown");
  EXPECT_EQ(Cell(shell, 1, 0), "Lock Computer");

  Click(shell.picture7, kScheduleDelete);  // nothing picked after the refill: the first row
  ASSERT_EQ(shell.rows->All().size(), 1u);
  EXPECT_EQ(shell.rows->All()[0].action, "Lock Computer");

  Click(shell.picture7, kScheduleDeleteAll);
  EXPECT_TRUE(shell.rows->All().empty());
  EXPECT_EQ(ListRows(shell), 0);
  EXPECT_TRUE(shell.dialogs.shown().empty());  // deletions ask nothing

  Click(shell.picture7, kScheduleDeleteAll);
  ASSERT_EQ(shell.dialogs.shown().size(), 1u);
  EXPECT_EQ(shell.dialogs.shown()[0].text, "There are no Schedules in the List!!");
  EXPECT_EQ(shell.dialogs.shown()[0].title, "NO SCHEDULES");
  EXPECT_EQ(shell.dialogs.shown()[0].icon, MsgIcon::Critical);
}

// The page owns the list's pictures: the list going first leaves them to the page,
// which destroys them once.
TEST(ScheduleWindows, TheListsPicturesOutliveTheList) {
  FakeShell shell;
  shell.Create({Daily("Shutdown", "10:30:PM")});
  HWND list = FindControl(shell.picture7, kScheduleListView1);
  auto pictures = reinterpret_cast<HIMAGELIST>(
      SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  int width = 0, height = 0;
  ASSERT_TRUE(ImageList_GetIconSize(pictures, &width, &height));
  DestroyWindow(list);
  EXPECT_TRUE(ImageList_GetIconSize(pictures, &width, &height)) << "destroyed with the list";
  EXPECT_EQ(width, 16);
}

TEST(ScheduleWindows, ButtonsWaitForThePassword) {
  FakeShell shell;
  shell.services.passwordOn = true;
  shell.Create({});
  Click(shell.picture7, kScheduleDelete);
  EXPECT_TRUE(shell.dialogs.shown().empty());  // the prompt comes first
  ASSERT_EQ(shell.services.waiting.size(), 1u);
  shell.services.waiting[0]();
  ASSERT_EQ(shell.dialogs.shown().size(), 1u);
  EXPECT_EQ(shell.dialogs.shown()[0].text, "There are no Schedules in the List!!");
  EXPECT_EQ(shell.log[0], "guard delete");
}

TEST(ScheduleWindows, EditorSavesADailyScheduleAndTheWatcherFiresIt) {
  FakeShell shell;
  shell.Create({});
  HWND editor = FindWindowA("Schedule", nullptr);
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(IsWindowVisible(editor));
  EXPECT_EQ(Text(FindControl(editor, kScheduleLabel4)), "Shutdown everyday at");
  Pick(editor, kScheduleCmbAction, 5);
  EXPECT_EQ(Text(FindControl(editor, kScheduleLabel3)), "Lock Computer one time");
  Pick(editor, kScheduleCmbAction, 0);

  Click(shell.picture7, kScheduleAdd);
  EXPECT_TRUE(IsWindowVisible(editor));
  SaveDaily(shell, editor, 10, 30, true);
  ASSERT_EQ(shell.rows->All().size(), 1u);
  EXPECT_EQ(shell.rows->All()[0].time, "10:30:PM");
  EXPECT_EQ(shell.rows->All()[0].date, "DAILY");
  EXPECT_EQ(ListRows(shell), 1);
  EXPECT_FALSE(IsWindowVisible(editor));

  SendMessageA(editor, WM_TIMER, 3, 0);  // 22:29:50: not yet
  EXPECT_EQ(FindWindowA("frmRestart", nullptr), nullptr);
  shell.clock.Set({2026, 12, 8, 22, 30, 2, 2});
  SendMessageA(editor, WM_TIMER, 3, 0);
  HWND confirm = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(confirm, nullptr);
  EXPECT_EQ(Text(confirm), "Working..");
  EXPECT_EQ(Text(FindControl(confirm, kRestartLbl1)),
            "Schedule Detected. Your computer will Shutdown in 15 seconds");
  EXPECT_EQ(Text(FindControl(confirm, kRestartAction)), "Shutdown");
  EXPECT_TRUE(GetWindowLongA(confirm, GWL_EXSTYLE) & WS_EX_TOPMOST);

  for (int second = 1; second <= 14; ++second) SendMessageA(confirm, WM_TIMER, 1, 0);
  EXPECT_TRUE(IsWindow(confirm));
  EXPECT_TRUE(shell.power.requests().empty());
  SendMessageA(confirm, WM_TIMER, 1, 0);
  EXPECT_FALSE(IsWindow(confirm));
  ASSERT_FALSE(shell.power.requests().empty());
  EXPECT_EQ(shell.log.back(), "request " + shell.power.requests().back());
  EXPECT_NE(std::find(shell.log.begin(), shell.log.end(), "cleanup"), shell.log.end());
  EXPECT_NE(std::find(shell.log.begin(), shell.log.end(), "request ExitWindowsEx 12"),
            shell.log.end());
}

// The page buttons are candy buttons, the editor's and the confirmation window's are
// themed buttons in their two looks, and the confirmation window's work bar runs.
TEST(ScheduleWindows, WindowsAreMadeOfTheProgramsOwnControls) {
  FakeShell shell;
  shell.clock.Set({2026, 12, 8, 7, 5, 0, 2});
  shell.Create({{"Restart", "Tuesday", "07:05:AM", "Day Basis", "Restart"}});
  for (int id : {kScheduleAdd, kScheduleDelete, kScheduleDeleteAll})
    EXPECT_EQ(ClassOf(FindControl(shell.picture7, id)), "CandyButton") << id;
  HWND editor = FindWindowA("Schedule", nullptr);
  for (int id : {kScheduleSave, kScheduleCancel}) {
    ASSERT_EQ(ClassOf(FindControl(editor, id)), "isButton") << id;
    EXPECT_EQ(ThemedButtonProps(FindControl(editor, id)).style, 8) << id;
  }
  SendMessageA(editor, WM_TIMER, 3, 0);
  HWND confirm = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(confirm, nullptr);
  for (int id : {kRestartAction, kRestartCancel}) {
    ASSERT_EQ(ClassOf(FindControl(confirm, id)), "isButton") << id;
    EXPECT_EQ(ThemedButtonProps(FindControl(confirm, id)).style, 9) << id;
  }
  EXPECT_EQ(Text(FindControl(confirm, kRestartAction)), "Restart");
  HWND upb = FindControl(confirm, kRestartUpb1);
  ASSERT_EQ(ClassOf(upb), "UPB");
  EXPECT_TRUE(BlockProgressEnabled(upb));
  RECT r;
  GetClientRect(upb, &r);
  EXPECT_EQ(r.right, 481);
  EXPECT_EQ(r.bottom, 25);
  EXPECT_EQ(BlockProgressProperties(upb).fore_color, 33023u);
  EXPECT_EQ(BlockProgressProperties(upb).follow_color, 12640511u);
}

// With nothing stored the watcher rests; the first saved row wakes it on its own timer.
TEST(ScheduleWindows, TheWatcherWakesOnItsOwnTimerWhenARowIsSaved) {
  FakeShell shell;
  shell.clock.Set({2026, 12, 8, 7, 5, 0, 2});
  shell.Create({});
  auto confirmShown = [] { return FindWindowA("frmRestart", nullptr) != nullptr; };
  EXPECT_FALSE(PumpUntil(confirmShown, 300));
  HWND editor = FindWindowA("Schedule", nullptr);
  Click(shell.picture7, kScheduleAdd);
  SaveDaily(shell, editor, 7, 5, false);
  ASSERT_EQ(shell.rows->All().size(), 1u);
  ASSERT_EQ(shell.rows->All()[0].time, "07:05:AM");
  EXPECT_TRUE(PumpUntil(confirmShown, 2000));
}

// The client point of a day of the shown month, found through the calendar's own hit test.
bool FindDay(HWND calendar, WORD day, POINT& at, SYSTEMTIME& date) {
  RECT area;
  GetClientRect(calendar, &area);
  for (LONG y = 0; y < area.bottom; y += 2) {
    for (LONG x = 0; x < area.right; x += 2) {
      MCHITTESTINFO hit{};
      hit.cbSize = sizeof hit;
      hit.pt = {x, y};
      SendMessageA(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.uHit == MCHT_CALENDARDATE && hit.st.wDay == day) {
        at = hit.pt;
        date = hit.st;
        return true;
      }
    }
  }
  return false;
}

// Only a pick with the mouse sets the date; it is written d-m-yyyy without leading
// zeros, saved as a one-time row and fires on that day at its minute.
TEST(ScheduleWindows, APickedDayBecomesAOneTimeScheduleThatFiresOnThatDate) {
  FakeShell shell;
  shell.Create({});
  HWND editor = FindWindowA("Schedule", nullptr);
  Click(shell.picture7, kScheduleAdd);
  HWND calendar = FindControl(editor, kScheduleCal1);
  HWND picked = FindControl(editor, kScheduleText1);
  EXPECT_EQ(Text(picked), "");
  SYSTEMTIME moved{};
  SendMessageA(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&moved));
  moved.wDay = moved.wDay == 1 ? 2 : 1;
  SendMessageA(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&moved));
  EXPECT_EQ(Text(picked), "");  // moved by the program, not picked

  POINT at{};
  SYSTEMTIME day{};
  ASSERT_TRUE(FindDay(calendar, 5, at, day));
  SendMessageA(calendar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageA(calendar, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  const std::string date = "5-" + std::to_string(day.wMonth) + "-" + std::to_string(day.wYear);
  EXPECT_EQ(Text(picked), date);

  SendMessageA(FindControl(editor, kScheduleOption1), BM_SETCHECK, BST_CHECKED, 0);
  Pick(editor, kScheduleHourcom, 8);       // 09
  Pick(editor, kScheduleHourcom + 1, 15);  // 15
  Pick(editor, kScheduleHourcom + 2, 0);   // AM
  shell.dialogs.QueueAnswer(MsgResult::No);
  Click(editor, kScheduleSave);
  ASSERT_EQ(shell.rows->All().size(), 1u);
  EXPECT_EQ(shell.rows->All()[0].date, date);
  EXPECT_EQ(shell.rows->All()[0].time, "09:15:AM");

  shell.clock.Set({day.wYear, day.wMonth, 4, 9, 15, 1, 0});  // the day before
  SendMessageA(editor, WM_TIMER, 3, 0);
  EXPECT_EQ(FindWindowA("frmRestart", nullptr), nullptr);
  shell.clock.Set({day.wYear, day.wMonth, 5, 9, 15, 1, 1});
  SendMessageA(editor, WM_TIMER, 3, 0);
  EXPECT_NE(FindWindowA("frmRestart", nullptr), nullptr);
}

// A row fires once in its minute: not again after Cancel, nor after a deletion made
// the editor anew; a week later it does, and Cancel then waits for the password.
TEST(ScheduleWindows, ARowFiresOnceInItsMinuteAndCancelCanWaitForThePassword) {
  FakeShell shell;
  shell.clock.Set({2026, 12, 8, 7, 5, 0, 2});
  shell.Create({{"Restart", "Tuesday", "07:05:AM", "Day Basis", "Restart"},
                Daily("Shutdown", "11:00:PM")});
  HWND editor = FindWindowA("Schedule", nullptr);
  SendMessageA(editor, WM_TIMER, 3, 0);
  HWND confirm = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(confirm, nullptr);
  Click(confirm, kRestartCancel);
  EXPECT_FALSE(IsWindow(confirm));
  EXPECT_TRUE(shell.power.requests().empty());

  shell.clock.Set({2026, 12, 8, 7, 5, 40, 2});
  SendMessageA(editor, WM_TIMER, 3, 0);
  EXPECT_EQ(FindWindowA("frmRestart", nullptr), nullptr) << "fired twice in its minute";
  HWND list = FindControl(shell.picture7, kScheduleListView1);
  LVITEMA select{};
  select.stateMask = select.state = LVIS_SELECTED;
  SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&select));
  Click(shell.picture7, kScheduleDelete);
  ASSERT_EQ(shell.rows->All().size(), 1u);
  editor = FindWindowA("Schedule", nullptr);
  SendMessageA(editor, WM_TIMER, 3, 0);
  EXPECT_EQ(FindWindowA("frmRestart", nullptr), nullptr) << "fired again by the new editor";

  shell.services.passwordOn = true;
  shell.clock.Set({2026, 12, 15, 7, 5, 1, 2});
  SendMessageA(editor, WM_TIMER, 3, 0);
  confirm = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(confirm, nullptr);
  Click(confirm, kRestartCancel);
  EXPECT_TRUE(IsWindow(confirm));  // the prompt is open; the count goes on
  for (int second = 1; second <= 15; ++second) SendMessageA(confirm, WM_TIMER, 1, 0);
  EXPECT_FALSE(IsWindow(confirm));
  EXPECT_NE(std::find(shell.log.begin(), shell.log.end(), "request ExitWindowsEx 6"),
            shell.log.end());
  shell.services.waiting.back()();  // a late answer closes nothing else
}

std::vector<std::string> Requests(FakeShell& shell) {
  std::vector<std::string> out;
  for (const std::string& line : shell.log)
    if (line.rfind("request ", 0) == 0 && line.find("privilege") == std::string::npos)
      out.push_back(line.substr(8));
  return out;
}

// Rows due in one minute come one after another, each with a window and a count of
// its own, whether the one before was cancelled, ran out or was carried out at once.
TEST(ScheduleWindows, RowsDueInOneMinuteEachGetTheirOwnWindowInTurn) {
  FakeShell shell;
  shell.clock.Set({2026, 12, 8, 7, 5, 0, 2});
  shell.Create({Daily("Shutdown", "07:05:AM"),
                {"Restart", "Tuesday", "07:05:AM", "Day Basis", "Restart"},
                {"Lock Computer", "8-12-2026", "07:05:AM", "One Time", "Lock Computer"}});
  SendMessageA(FindWindowA("Schedule", nullptr), WM_TIMER, 3, 0);
  HWND first = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Text(FindControl(first, kRestartText1)), "Shutdown");
  SendMessageA(first, WM_TIMER, 1, 0);
  Click(first, kRestartCancel);

  HWND second = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(Text(FindControl(second, kRestartText1)), "Restart");
  EXPECT_EQ(Text(FindControl(second, kRestartLbl1)),
            "Schedule Detected.Your computer will Restart in 15 seconds");
  EXPECT_EQ(SendMessageA(FindControl(second, kRestartBar1), PBM_GETPOS, 0, 0), 0);
  for (int tick = 1; tick <= 15; ++tick) SendMessageA(second, WM_TIMER, 1, 0);

  HWND third = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(Text(FindControl(third, kRestartText1)), "Lock");
  Click(third, kRestartAction);
  EXPECT_EQ(FindWindowA("frmRestart", nullptr), nullptr);
  EXPECT_EQ(Requests(shell), (std::vector<std::string>{"ExitWindowsEx 6", "LockWorkStation"}));
}

// The cleaning run lets the message loop run: a second press, Cancel, the close box
// and a new detection meanwhile change nothing of the action under way.
TEST(ScheduleWindows, TheActionIsCarriedOutOnceWithTheWordItStartedWith) {
  FakeShell shell;
  shell.clock.Set({2026, 12, 8, 7, 5, 0, 2});
  shell.Create({Daily("Shutdown", "07:05:AM"), Daily("Restart", "07:06:AM")});
  HWND editor = FindWindowA("Schedule", nullptr);
  SendMessageA(editor, WM_TIMER, 3, 0);
  HWND confirm = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(confirm, nullptr);
  int runs = 0;
  shell.services.duringCleanup = [&] {
    if (++runs > 1) return;
    Click(confirm, kRestartAction);
    Click(confirm, kRestartCancel);
    SendMessageA(confirm, WM_CLOSE, 0, 0);
    SendMessageA(confirm, WM_TIMER, 1, 0);
    shell.clock.Set({2026, 12, 8, 7, 6, 0, 2});
    SendMessageA(editor, WM_TIMER, 3, 0);  // the next row is due: it waits its turn
    EXPECT_EQ(FindWindowA("frmRestart", nullptr), confirm);
  };
  Click(confirm, kRestartAction);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(Requests(shell), std::vector<std::string>{"ExitWindowsEx 12"});
  HWND next = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(Text(FindControl(next, kRestartText1)), "Restart");
}

// A tray command's cleaning step is under way when the time is up or the button is
// pressed: the tasks and the action follow on the first tick after it.
TEST(ScheduleWindows, TheActionWaitsForACleaningRunUnderWay) {
  FakeShell shell;
  shell.clock.Set({2026, 12, 8, 7, 5, 0, 2});
  shell.Create({Daily("Shutdown", "07:05:AM")});
  SendMessageA(FindWindowA("Schedule", nullptr), WM_TIMER, 3, 0);
  HWND confirm = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(confirm, nullptr);
  shell.services.busy = true;
  for (int tick = 1; tick <= 16; ++tick) SendMessageA(confirm, WM_TIMER, 1, 0);
  Click(confirm, kRestartAction);
  EXPECT_EQ(FindWindowA("frmRestart", nullptr), confirm);
  EXPECT_TRUE(Requests(shell).empty());
  shell.services.busy = false;
  SendMessageA(confirm, WM_TIMER, 1, 0);
  EXPECT_EQ(FindWindowA("frmRestart", nullptr), nullptr);
  EXPECT_EQ(Requests(shell), std::vector<std::string>{"ExitWindowsEx 12"});
}

// A deletion from the main window while the editor asks "more?" makes a new editor
// but leaves the asking one alive until its Save has returned.
TEST(ScheduleWindows, DeletingWhileTheEditorAsksKeepsItUntilItsSaveReturns) {
  for (int button : {kScheduleDelete, kScheduleDeleteAll}) {
    SCOPED_TRACE(button);
    FakeShell shell;
    shell.Create({Daily("Restart", "01:00:AM")});
    HWND asking = FindWindowA("Schedule", nullptr);
    Click(shell.picture7, kScheduleAdd);
    HWND made = nullptr;
    bool askingAlive = false;
    shell.dialogs.during = [&](const std::string& text) {
      if (text.rfind("Schedule is set.", 0) != 0) return;
      Click(shell.picture7, button);
      askingAlive = IsWindow(asking) != FALSE;
      made = FindWindowA("Schedule", nullptr);
    };
    SaveDaily(shell, asking, 2, 0, false);
    EXPECT_TRUE(askingAlive) << "destroyed while its Save ran";
    ASSERT_NE(made, nullptr);
    EXPECT_NE(made, asking);
    EXPECT_FALSE(IsWindowVisible(made));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(asking); }, 2000));
    EXPECT_EQ(shell.rows->All().size(), button == kScheduleDelete ? 1u : 0u);
    EXPECT_EQ(ListRows(shell), static_cast<int>(shell.rows->All().size()));
  }
}

// Notes the owner of the first message box that opens and presses its OK.
HWND g_boxOwner = nullptr, g_boxEditor = nullptr;
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindWindowA("#32770", nullptr);
  if (!box) return;
  KillTimer(nullptr, id);
  g_boxOwner = GetWindow(box, GW_OWNER);
  EXPECT_FALSE(IsWindowEnabled(g_boxEditor)) << "not modal to the editor";
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// The editor's boxes are modal to the editor even when another window is active.
TEST(ScheduleWindows, TheEditorsMessageBoxesBelongToTheEditor) {
  FakeShell shell;
  Win32Dialogs real;
  shell.messages = &real;
  shell.Create({});
  HWND editor = FindWindowA("Schedule", nullptr);
  Click(shell.picture7, kScheduleAdd);
  SetActiveWindow(shell.main);
  g_boxOwner = nullptr;
  g_boxEditor = editor;
  SetTimer(nullptr, 0, 100, AnswerBox);
  Click(editor, kScheduleSave);  // nothing chosen: "Please select any option"
  EXPECT_EQ(g_boxOwner, editor);
  EXPECT_TRUE(IsWindowEnabled(editor));
}

// The top-level child of `window` that holds `focus` (the action list's inner list).
int FocusedId(HWND window) {
  HWND focus = GetFocus();
  while (focus && GetParent(focus) != window) focus = GetParent(focus);
  return focus ? GetDlgCtrlID(focus) : 0;
}

// A key as the message loop hands it to IsDialogMessage.
bool Key(HWND window, UINT msg, WPARAM key, bool shift = false) {
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE before = keys[VK_SHIFT];
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  MSG m{GetFocus(), msg, key, 0, 0, {0, 0}};
  const bool handled = IsDialogMessageA(window, &m) != FALSE;
  keys[VK_SHIFT] = before;
  SetKeyboardState(keys);
  return handled;
}

TEST(ScheduleWindows, TheEditorIsUsedFromTheKeyboardInReadingOrder) {
  FakeShell shell;
  shell.Create({});
  HWND editor = FindWindowA("Schedule", nullptr);
  Click(shell.picture7, kScheduleAdd);
  ASSERT_EQ(GetForegroundWindow(), editor);
  EXPECT_EQ(FocusedId(editor), kScheduleCmbAction) << "the first control has the focus";
  const std::vector<int> order = {
      kScheduleCmbAction, kScheduleOption1, kScheduleCal1,   kScheduleHourcom, kScheduleMincom,
      kScheduleAmcom,     kScheduleOption2, kScheduleCombo2, kScheduleCombo3,  kScheduleCombo4,
      kScheduleOption3,   kScheduleCombo1,  kScheduleCombo5, kScheduleCombo6,  kScheduleCombo7,
      kScheduleSave,      kScheduleCancel,  kScheduleCmbAction};
  std::vector<int> seen = {FocusedId(editor)};
  for (std::size_t i = 1; i < order.size(); ++i) {
    Key(editor, WM_KEYDOWN, VK_TAB);
    seen.push_back(FocusedId(editor));
  }
  EXPECT_EQ(seen, order);
  Key(editor, WM_KEYDOWN, VK_TAB, true);
  EXPECT_EQ(FocusedId(editor), kScheduleCancel);

  // Access keys choose the kind; one kind at a time.
  Key(editor, WM_SYSCHAR, 'd');
  EXPECT_TRUE(IsChecked(FindControl(editor, kScheduleOption1)));
  Key(editor, WM_SYSCHAR, 'r');
  EXPECT_TRUE(IsChecked(FindControl(editor, kScheduleOption3)));
  EXPECT_FALSE(IsChecked(FindControl(editor, kScheduleOption1)));
  Key(editor, WM_KEYDOWN, VK_UP);  // the arrows stay on the option
  EXPECT_EQ(FocusedId(editor), kScheduleOption3);

  // Enter saves (here: no weekday yet), except on Cancel, which it presses.
  Key(editor, WM_KEYDOWN, VK_RETURN);
  ASSERT_EQ(shell.dialogs.shown().size(), 1u);
  EXPECT_EQ(shell.dialogs.shown()[0].text, "Please select a day.");
  Key(editor, WM_SYSCHAR, 's');
  EXPECT_EQ(shell.dialogs.shown().size(), 2u);
  SetFocus(FindControl(editor, kScheduleCombo6));
  Key(editor, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(editor));
  Click(shell.picture7, kScheduleAdd);
  EXPECT_EQ(FocusedId(editor), kScheduleCombo6) << "the focus comes back where it was";
  SetFocus(FindControl(editor, kScheduleCancel));
  Key(editor, WM_KEYDOWN, VK_RETURN);
  EXPECT_FALSE(IsWindowVisible(editor));
  EXPECT_EQ(shell.dialogs.shown().size(), 2u);
}

// Enter and Esc cancel; the action itself takes a press of its own button, and no
// letter typed into the window as it comes up carries it out.
TEST(ScheduleWindows, TheConfirmationWindowIsUsedFromTheKeyboard) {
  FakeShell shell;
  shell.clock.Set({2026, 12, 8, 7, 5, 0, 2});
  shell.Create({Daily("Shutdown", "07:05:AM"), Daily("Log Off", "07:05:AM"),
                Daily("Suspend", "07:05:AM")});
  SendMessageA(FindWindowA("Schedule", nullptr), WM_TIMER, 3, 0);
  HWND confirm = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(confirm, nullptr);
  SetForegroundWindow(confirm);
  EXPECT_EQ(FocusedId(confirm), kRestartCancel);
  for (char typed : std::string("Shutdown log off")) Key(confirm, WM_CHAR, typed);
  Key(confirm, WM_SYSCHAR, 's');
  EXPECT_EQ(FindWindowA("frmRestart", nullptr), confirm);
  Key(confirm, WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(FocusedId(confirm), kRestartAction);
  Key(confirm, WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(FocusedId(confirm), kRestartCancel);
  Key(confirm, WM_KEYDOWN, VK_RETURN);
  EXPECT_FALSE(IsWindow(confirm));

  confirm = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(confirm, nullptr);
  Key(confirm, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_FALSE(IsWindow(confirm));
  EXPECT_TRUE(Requests(shell).empty());

  confirm = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(confirm, nullptr);
  SetForegroundWindow(confirm);
  Key(confirm, WM_KEYDOWN, VK_TAB, true);
  EXPECT_EQ(FocusedId(confirm), kRestartAction);
  Key(confirm, WM_KEYDOWN, VK_RETURN);  // on the action's button: the action
  EXPECT_FALSE(IsWindow(confirm));
  EXPECT_EQ(Requests(shell), std::vector<std::string>{"SetSuspendState 0 1 0"});
}

// Windows made while it lives get the themed common controls, as the program's own
// manifest asks for them (this test program has none).
class ThemedControls {
 public:
  ThemedControls() {
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    path_ = std::string(folder) + "dusk-themed-controls.manifest";
    const char manifest[] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
        "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">"
        "<dependency><dependentAssembly><assemblyIdentity type=\"win32\" "
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
        "processorArchitecture=\"X86\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>"
        "</dependentAssembly></dependency></assembly>";
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, manifest, sizeof manifest - 1, &written, nullptr);
    CloseHandle(file);
    ACTCTXA context{};
    context.cbSize = sizeof context;
    context.lpSource = path_.c_str();
    context_ = CreateActCtxA(&context);
    if (context_ != INVALID_HANDLE_VALUE) ActivateActCtx(context_, &cookie_);
  }
  ~ThemedControls() {
    if (context_ != INVALID_HANDLE_VALUE) {
      DeactivateActCtx(0, cookie_);
      ReleaseActCtx(context_);
    }
    DeleteFileA(path_.c_str());
  }
  bool active() const { return context_ != INVALID_HANDLE_VALUE; }

 private:
  std::string path_;
  HANDLE context_ = INVALID_HANDLE_VALUE;
  ULONG_PTR cookie_ = 0;
};

// The kind options of an editor made in this process, with the theme as it is here:
// light on the navy, and never drawn the themed way. A themed option button draws
// its text in the theme's colour whatever its window asks for (dark on real Windows;
// Wine's theme happens to take the asked one, so only the path tells).
void CheckKindOptionsAreReadable() {
  using IsThemeActiveFn = BOOL(WINAPI*)();
  using GetWindowThemeFn = HANDLE(WINAPI*)(HWND);
  HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
  ASSERT_NE(uxtheme, nullptr);
  auto active = reinterpret_cast<IsThemeActiveFn>(
      reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
  auto themeOf = reinterpret_cast<GetWindowThemeFn>(
      reinterpret_cast<void*>(GetProcAddress(uxtheme, "GetWindowTheme")));
  ASSERT_TRUE(active && themeOf);
  const bool themed = active() != FALSE;
  std::printf("theme %s\n", themed ? "on" : "off");
  ThemedControls themedControls;
  ASSERT_TRUE(themedControls.active());
  FakeShell shell;
  shell.Create({});
  HWND editor = FindWindowA("Schedule", nullptr);
  Click(shell.picture7, kScheduleAdd);
  // An option button left as it comes takes the themed path while the theme is on.
  HWND plain = CreateWindowExA(0, "BUTTON", "Plain", WS_CHILD | BS_AUTORADIOBUTTON, 0, 0, 80, 20,
                               editor, nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_EQ(themeOf(plain) != nullptr, themed);
  DestroyWindow(plain);
  const Color navy = MakeColor(30, 40, 84);
  auto luminance = [](Color c) {
    const Rgb rgb = GetRGB(c);
    return (299 * rgb.red + 587 * rgb.green + 114 * rgb.blue) / 1000;
  };
  for (int id : {kScheduleOption1, kScheduleOption2, kScheduleOption3}) {
    EXPECT_EQ(themeOf(FindControl(editor, id)), nullptr) << id << ": drawn the themed way";
    const Canvas picture = Capture(FindControl(editor, id));
    int background = 0, light = 0, dark = 0, all = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 18; x < picture.width(); ++x, ++all) {  // right of the circle
        const Color c = picture.At(x, y);
        background += c == navy;
        light += luminance(c) >= 170;
        dark += luminance(c) < 25;
      }
    EXPECT_GT(background * 2, all) << id << ": the navy shows behind the text";
    EXPECT_GT(light, 10) << id << ": the text is light";
    EXPECT_EQ(dark, 0) << id << ": nothing dark on the navy";
  }
}

// Runs this test program again, on this test alone, with the visual theme switched on
// or off the way the system keeps it (read once, when a program starts); returns its
// exit code and leaves its output in `output`.
DWORD RunWithTheme(bool on, std::string& output) {
  const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
  HKEY manager = nullptr;
  RegCreateKeyA(HKEY_CURRENT_USER, key, &manager);
  char before[8] = "1";
  DWORD size = sizeof before;
  RegQueryValueExA(manager, "ThemeActive", nullptr, nullptr, reinterpret_cast<BYTE*>(before), &size);
  RegSetValueExA(manager, "ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(on ? "1" : "0"), 2);

  char temp[MAX_PATH] = "", log[MAX_PATH] = "", self[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  GetTempFileNameA(temp, "thm", 0, log);
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE file = CreateFileA(log, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdOutput = start.hStdError = file;
  std::string line = std::string("\"") + self + "\" --gtest_filter=" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() +
                     "." + ::testing::UnitTest::GetInstance()->current_test_info()->name();
  SetEnvironmentVariableA("DUSK_KIND_OPTIONS_CHECK", "1");
  PROCESS_INFORMATION child{};
  DWORD code = 99;
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start,
                     &child)) {
    WaitForSingleObject(child.hProcess, 60000);
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
  }
  SetEnvironmentVariableA("DUSK_KIND_OPTIONS_CHECK", nullptr);
  CloseHandle(file);
  RegSetValueExA(manager, "ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(before),
                 static_cast<DWORD>(strlen(before) + 1));
  RegCloseKey(manager);

  output.clear();
  HANDLE read = CreateFileA(log, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(read, chunk, sizeof chunk, &got, nullptr) && got) output.append(chunk, got);
  CloseHandle(read);
  DeleteFileA(log);
  return code;
}

// The kind options with the theme on and off, each in a program of its own: a
// program cannot switch the theme back on once it has switched it off.
TEST(ScheduleWindows, TheKindOptionsAreReadableWithTheThemeOnAndOff) {
  if (GetEnvironmentVariableA("DUSK_KIND_OPTIONS_CHECK", nullptr, 0)) {
    CheckKindOptionsAreReadable();
    return;
  }
  for (bool on : {true, false}) {
    std::string output;
    EXPECT_EQ(RunWithTheme(on, output), 0u) << output;
    EXPECT_NE(output.find(on ? "theme on" : "theme off"), std::string::npos) << output;
  }
}

}  // namespace
}  // namespace dusk
