// The schedule page, the hidden editor and the confirmation window driven by
// messages, against a main window double that records what it is asked.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
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
#include "schedule/win/schedule_ids.h"
#include "schedule/win/schedule_part.h"
#include "widgets/win/block_progress_bar.h"
#include "widgets/win/themed_button.h"

namespace dusk {
namespace {

struct Services : CleanupRunner, CleaningCommands, PasswordGate {
  std::vector<std::string>* log = nullptr;
  bool passwordOn = false;
  std::vector<std::function<void()>> waiting;  // commands behind an unanswered prompt
  void RunCleanupTasks() override { log->push_back("cleanup"); }
  void Run(CleaningCommand) override {}
  void Guard(PendingCommand command, std::function<void()> proceed) override {
    log->push_back(std::string("guard ") + PendingCommandWord(command));
    if (passwordOn)
      waiting.push_back(std::move(proceed));
    else
      proceed();
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
  Dialogs& Messages() override { return dialogs; }
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
  RecordingDialogs dialogs;
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

TEST(ScheduleWindows, CancelClosesWithoutRequestUnlessThePasswordIsPending) {
  FakeShell shell;
  shell.clock.Set({2026, 12, 8, 7, 5, 0, 2});
  shell.Create({{"Restart", "Tuesday", "07:05:AM", "Day Basis", "Restart"}});
  HWND editor = FindWindowA("Schedule", nullptr);
  SendMessageA(editor, WM_TIMER, 3, 0);
  HWND confirm = FindWindowA("frmRestart", nullptr);
  ASSERT_NE(confirm, nullptr);
  Click(confirm, kRestartCancel);
  EXPECT_FALSE(IsWindow(confirm));
  EXPECT_TRUE(shell.power.requests().empty());

  shell.services.passwordOn = true;
  SendMessageA(editor, WM_TIMER, 4, 0);  // re-armed in the same minute: detected again
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

}  // namespace
}  // namespace dusk
