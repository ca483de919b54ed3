// The cleaner page's boxes and buttons, its Save, the task table run before a power
// action, "Delete All" and the tray's cleaning commands, and what happens when one
// run is asked for while another lets window messages through.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <set>

#include "cleaner/cleaner_page.h"
#include "cleaner/cleanup_tasks.h"
#include "cleaner/privacy_cleaning.h"
#include "contract/cleaner_rig.h"
#include "platform/host/host_file_system.h"
#include "platform/host/recording_dialogs.h"
#include "quick_profile.h"

namespace dusk {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kIni = "C:\\Dusklatch\\config.ini";

CleanupBoxes Ticked(std::initializer_list<CleanupBox> boxes) {
  CleanupBoxes all{};
  for (CleanupBox b : boxes) all[b] = true;
  return all;
}

CleanupBoxes ShownOnly(bool ticked, bool check8) {
  CleanupBoxes all;
  all.fill(ticked);
  all[kCheck8] = check8;
  return all;
}

TEST(CleanerPageButtons, SelectAllAndDeselectAllTakeTurns) {
  CleanerPage page(Ticked({kCheck8}));
  page.SelectAll();
  EXPECT_EQ(page.boxes(), ShownOnly(true, true)) << "the hidden box is neither ticked nor cleared";
  EXPECT_TRUE(page.check10());
  EXPECT_FALSE(page.check11());

  // A second press of the same button does nothing, even after single changes.
  page.SetBox(kCheck2, false);
  page.ToggleBox(kCheck5);
  page.SelectAll();
  EXPECT_FALSE(page.box(kCheck2));
  EXPECT_FALSE(page.box(kCheck5));

  page.DeselectAll();
  EXPECT_EQ(page.boxes(), ShownOnly(false, true));
  EXPECT_FALSE(page.check10());
  EXPECT_TRUE(page.check11());
  page.SetBox(kCheck1, true);
  page.DeselectAll();
  EXPECT_TRUE(page.box(kCheck1));

  page.SelectAll();
  EXPECT_EQ(page.boxes(), ShownOnly(true, true));
}

TEST(CleanerPageButtons, FirstDeselectAllClearsAndEachFlagChangeRunsItsAction) {
  CleanerPage page(ShownOnly(true, false));
  page.DeselectAll();
  EXPECT_EQ(page.boxes(), ShownOnly(false, false));

  // Clearing Check10 is a change too: it ticks the shown boxes.
  CleanerPage flags;
  flags.SetCheck10(true);
  flags.SetBox(kCheck3, false);
  flags.SetCheck10(false);
  EXPECT_EQ(flags.boxes(), ShownOnly(true, false));
  flags.SetCheck10(false);  // the same value: nothing
  flags.SetBox(kCheck3, false);
  flags.SetCheck10(false);
  EXPECT_FALSE(flags.box(kCheck3));
}

TEST(CleanerPageLabels, AClickOnALabelTogglesItsBox) {
  CleanerPage page;
  page.ToggleBox(kCheck9);
  EXPECT_TRUE(page.box(kCheck9));
  page.ToggleBox(kCheck9);
  EXPECT_FALSE(page.box(kCheck9));
}

TEST(CleanerPageFile, OnlyAOneTicksABoxAtStartUp) {
  OrderedMemoryProfile profile;
  profile.values["CLEANUP/recyclebin"] = "1";
  profile.values["CLEANUP/runhistory"] = "1";
  profile.values["CLEANUP/tempclean"] = "2";
  profile.values["CLEANUP/pbhistory"] = "yes";
  profile.values["CLEANUP/wmphistory"] = "0";
  EXPECT_EQ(LoadCleanupBoxes(profile, kIni), Ticked({kCheck1, kCheck8}));
}

TEST(CleanerPageSave, RefusedWhileNoShownBoxIsTickedTheHiddenOneNotCounting) {
  OrderedMemoryProfile profile;
  RecordingDialogs dialogs;
  EXPECT_FALSE(SaveCleanupBoxes(Ticked({kCheck8}), profile, kIni, dialogs));
  EXPECT_FALSE(SaveCleanupBoxes(Ticked({}), profile, kIni, dialogs));
  EXPECT_TRUE(profile.writes.empty());
  ASSERT_EQ(dialogs.shown().size(), 2u);
  const ShownMessage& m = dialogs.shown()[0];
  EXPECT_EQ(m.text, "Please select atleast one option");
  EXPECT_EQ(m.title, "Dusklatch");
  EXPECT_EQ(m.buttons, MsgButtons::Ok);
  EXPECT_EQ(m.icon, MsgIcon::Critical);
}

TEST(CleanerPageSave, WritesTheNineKeysInOrderKeepingTheHiddenBox) {
  for (bool check8 : {false, true}) {
    OrderedMemoryProfile profile;
    RecordingDialogs dialogs;
    CleanupBoxes boxes = Ticked({kCheck1, kCheck3, kCheck9});
    boxes[kCheck8] = check8;
    EXPECT_TRUE(SaveCleanupBoxes(boxes, profile, kIni, dialogs));
    const std::string run = check8 ? "1" : "0";
    EXPECT_EQ(profile.writes,
              (Lines{"CLEANUP/recyclebin=1", "CLEANUP/recentdocument=0", "CLEANUP/explorerhistory=1",
                     "CLEANUP/urlhistory=0", "CLEANUP/wmphistory=0", "CLEANUP/searchhistory=0",
                     "CLEANUP/pbhistory=0", "CLEANUP/runhistory=" + run, "CLEANUP/tempclean=1"}));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Settings have been saved");
    EXPECT_EQ(dialogs.shown()[0].icon, MsgIcon::Information);
    EXPECT_EQ(dialogs.shown()[0].title, "Dusklatch");
    // What was saved comes back at the next start.
    EXPECT_EQ(LoadCleanupBoxes(profile, kIni), boxes);
  }
}

// Steps, working window and messages in one log, so their order shows.
struct Recorder : CleanerSteps, CleaningHost, Dialogs {
  Lines log;
  std::set<std::string> missing;
  std::map<std::string, std::function<void()>> during;  // runs inside a step, as a pumped message
  std::deque<MsgResult> answers;
  int laterRequests = 0;

  void Step(const std::string& line) {
    log.push_back(line);
    auto found = during.find(line);
    if (found == during.end()) return;
    auto action = std::move(found->second);
    during.erase(found);
    action();
  }
  bool StartBatchFile(const std::string& name) override {
    Step("start " + name);
    return missing.count(name) == 0;
  }
  void EmptyRec(std::uint32_t flags) override { Step("EmptyRec " + std::to_string(flags)); }
  void ClearRecentDocuments() override { Step("recent documents"); }
  void ClearIEHistory() override { Step("ClearIEHistory"); }
  void ClearMediaPlayerList() override { Step("ClearMediaPlayerList"); }
  void ClearPaintList() override { Step("ClearPaintList"); }
  void ClearRunMRU() override { Step("ClearRunMRU"); }
  void ClearSearchMRU() override { Step("ClearSearchMRU"); }
  void ClearRecentDocs() override { Step("ClearRecentDocs"); }
  void KillTemp() override { Step("KillTemp"); }
  void KillHistory() override { Step("KillHistory"); }

  Dialogs& Messages() override { return *this; }
  void ShowWorkingWindow() override { log.push_back("working shown"); }
  void HideWorkingWindow() override { log.push_back("working hidden"); }
  void RunQueuedLater() override { ++laterRequests; }
  MsgResult Show(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) override {
    EXPECT_EQ(title, "Dusklatch");
    const bool question = buttons == MsgButtons::YesNo;
    EXPECT_EQ(icon, question ? MsgIcon::Exclamation : icon == MsgIcon::Critical ? icon : MsgIcon::Information);
    EXPECT_EQ(buttons, question ? MsgButtons::YesNo : MsgButtons::Ok);
    Step((icon == MsgIcon::Critical ? "error: " : "say: ") + text);
    if (!question) return MsgResult::Ok;
    MsgResult answer = answers.empty() ? MsgResult::Yes : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
};

Lines TableRun(const CleanupBoxes& boxes) {
  Recorder r;
  RunCleanupTaskTable(boxes, r);
  return r.log;
}

TEST(CleanupTaskTable, RunsTheTickedRowsInOrderBatchFilesFirst) {
  EXPECT_EQ(TableRun(Ticked({})), Lines{});
  EXPECT_EQ(TableRun(Ticked({kCheck4})), (Lines{"start kie.bat", "start sys.bat"}));
  EXPECT_EQ(TableRun(Ticked({kCheck9, kCheck3})),
            (Lines{"start kie.bat", "ClearIEHistory", "start kie.bat", "KillTemp"}));
  EXPECT_EQ(TableRun(Ticked({kCheck8})), Lines{"ClearRunMRU"}) << "the hidden box runs its row too";
  CleanupBoxes all;
  all.fill(true);
  EXPECT_EQ(TableRun(all), (Lines{"EmptyRec 7", "recent documents", "start kie.bat", "ClearIEHistory",
                                  "start kie.bat", "start sys.bat", "start kwmp.bat", "ClearMediaPlayerList",
                                  "start system.bat", "start kp.bat", "ClearPaintList", "ClearRunMRU",
                                  "start kie.bat", "KillTemp"}));
}

TEST(CleanupTaskTable, AMissingBatchFileIsSkippedAndTheRunGoesOn) {
  Recorder r;
  r.missing = {"kie.bat", "kp.bat"};
  RunCleanupTaskTable(Ticked({kCheck3, kCheck7}), r);
  EXPECT_EQ(r.log, (Lines{"start kie.bat", "ClearIEHistory", "start kp.bat", "ClearPaintList"}));
}

TEST(CleanAllRun, NineStepsInOrderAndTheRecycleBinStays) {
  Recorder r;
  CleanAll(r);
  EXPECT_EQ(r.log, (Lines{"KillHistory", "ClearSearchMRU", "ClearMediaPlayerList", "ClearPaintList",
                          "ClearRecentDocs", "ClearRunMRU", "KillTemp", "start sys.bat", "start system.bat"}));
}

// The real steps on the cleaner: the shell's part of rows 1 and 2, and the batch
// files' full paths.
TEST(CleanupTaskTable, TheCleanersStepsReachTheShellAsTheRowsSay) {
  HostFileSystem disk;
  testing::CleanerRig rig(disk, CleanerFolders{.program = "C:\\Program Files\\Dusklatch"});
  const std::string recent = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
  rig.registry.SetValue(RegRoot::CurrentUser, recent, "MRUList", RegValue{regtype::Sz, std::string("a\0", 2)});
  PrivacyCleanerSteps steps(rig.cleaner, rig.registry, rig.shell);
  RunCleanupTaskTable(Ticked({kCheck1, kCheck2, kCheck4}), steps);
  EXPECT_EQ(rig.shell.calls, (Lines{"empty recycle bin 7", "clear recent documents",
                                    "start C:\\Program Files\\Dusklatch\\kie.bat",
                                    "start C:\\Program Files\\Dusklatch\\sys.bat"}));
  EXPECT_TRUE(rig.registry.QueryValue(RegRoot::CurrentUser, recent, "MRUList").has_value())
      << "the row clears the shell's list, not the registry's";
}

struct Commands {
  Recorder r;
  CleanerPage page;
  PrivacyCleaning cleaning{r, page, r};
  Lines Run(CleaningCommand c) {
    cleaning.Run(c);
    return r.log;
  }
};

TEST(TrayCleaningCommands, EachCommandsStepsAndMessagesInOrder) {
  const std::string closeFirst = "say: If Internet Explorer is open then close it first and click ok";
  const std::pair<CleaningCommand, Lines> table[] = {
      {CleaningCommand::ClearTemp,
       {"working shown", "KillTemp", "working hidden", "say: All temporary files have been deleted"}},
      {CleaningCommand::EmptyRecycleBin,
       {"working shown", "EmptyRec 7", "working hidden", "say: Recycle bin has been emptied"}},
      {CleaningCommand::EraseRecentDocs, {"recent documents", "say: All recent files have been deleted"}},
      {CleaningCommand::ClearTypedUrls,
       {closeFirst, "start kie.bat", "ClearIEHistory", "say: IE typed urls History has been deleted"}},
      {CleaningCommand::ClearUrlHistory, {closeFirst, "start sys.bat", "say: IE History has been deleted"}},
      {CleaningCommand::ClearMediaPlayer,
       {"ClearMediaPlayerList", "say: Windows media player history has been cleared"}},
      {CleaningCommand::ClearCookies, {"start system.bat", "say: All cookies have been deleted"}},
      {CleaningCommand::ClearPaintHistory, {"ClearPaintList", "say: Paintbrush history has been deleted"}},
  };
  for (const auto& [command, expected] : table) {
    Commands c;
    c.page.SelectAll();  // the commands do not look at the page
    EXPECT_EQ(c.Run(command), expected) << static_cast<int>(command);
  }
}

TEST(TrayCleaningCommands, DeleteAllAsksFirstAndNoLeavesEverything) {
  const std::string question =
      "say: All of the data including cookie,IE history,IE Typed Urls,cookies,Recent documents will be "
      "deleted !!! Are you sure ??";
  Commands no;
  no.r.answers = {MsgResult::No};
  EXPECT_EQ(no.Run(CleaningCommand::DeleteAll), Lines{question});

  Commands yes;
  EXPECT_EQ(yes.Run(CleaningCommand::DeleteAll),
            (Lines{question, "working shown", "KillHistory", "ClearSearchMRU", "ClearMediaPlayerList",
                   "ClearPaintList", "ClearRecentDocs", "ClearRunMRU", "KillTemp", "start sys.bat",
                   "start system.bat", "working hidden", "say: All of the items have been deleted"}));
}

TEST(TrayCleaningCommands, ABatchFileThatIsTheWholeCommandAndCannotStartIsReported) {
  Commands c;
  c.r.missing = {"sys.bat", "system.bat", "kie.bat"};
  c.Run(CleaningCommand::ClearUrlHistory);
  c.Run(CleaningCommand::ClearCookies);
  c.Run(CleaningCommand::ClearTypedUrls);
  EXPECT_EQ(c.r.log,
            (Lines{"say: If Internet Explorer is open then close it first and click ok", "start sys.bat",
                   "error: sys.bat could not be started, so the IE History has not been deleted",
                   "start system.bat",
                   "error: system.bat could not be started, so the cookies have not been deleted",
                   "say: If Internet Explorer is open then close it first and click ok", "start kie.bat",
                   "ClearIEHistory", "say: IE typed urls History has been deleted"}));
}

TEST(CleaningRuns, ACommandChosenDuringAWalkRunsWithItsMessagesAfterTheOneUnderWay) {
  Commands c;
  c.r.during["KillTemp"] = [&c] {
    c.cleaning.Run(CleaningCommand::ClearPaintHistory);
    EXPECT_EQ(c.cleaning.queuedCommands(), 1u);
  };
  c.Run(CleaningCommand::ClearTemp);
  EXPECT_EQ(c.r.log, (Lines{"working shown", "KillTemp", "working hidden",
                            "say: All temporary files have been deleted", "ClearPaintList",
                            "say: Paintbrush history has been deleted"}));
  EXPECT_EQ(c.r.laterRequests, 0);

  // Chosen while a message of the first is open: after it is closed.
  Commands m;
  m.r.during["say: Recycle bin has been emptied"] = [&m] { m.cleaning.Run(CleaningCommand::ClearCookies); };
  m.Run(CleaningCommand::EmptyRecycleBin);
  EXPECT_EQ(m.r.log, (Lines{"working shown", "EmptyRec 7", "working hidden", "say: Recycle bin has been emptied",
                            "start system.bat", "say: All cookies have been deleted"}));
}

TEST(CleaningRuns, TheTaskTableWaitsForAStepUnderWayAndCommandsWaitForTheTaskTable) {
  Commands c;
  c.page.SetBox(kCheck7, true);
  // The countdown's tick arrives during the walk: busy, so it runs nothing now.
  bool busyInside = false;
  c.r.during["KillTemp"] = [&c, &busyInside] {
    busyInside = c.cleaning.Busy();
    c.cleaning.RunCleanupTasks();
  };
  c.Run(CleaningCommand::ClearTemp);
  EXPECT_TRUE(busyInside);
  EXPECT_FALSE(c.cleaning.Busy());
  c.cleaning.RunCleanupTasks();  // the next tick
  EXPECT_EQ(c.r.log, (Lines{"working shown", "KillTemp", "working hidden",
                            "say: All temporary files have been deleted", "start kp.bat", "ClearPaintList"}));

  // A command chosen during the task table runs once its caller is done.
  Commands t;
  t.page.SetBox(kCheck9, true);
  t.r.during["KillTemp"] = [&t] { t.cleaning.Run(CleaningCommand::EraseRecentDocs); };
  t.cleaning.RunCleanupTasks();
  EXPECT_EQ(t.r.log, (Lines{"start kie.bat", "KillTemp"}));
  EXPECT_EQ(t.r.laterRequests, 1);
  t.cleaning.RunQueuedCommands();
  EXPECT_EQ(t.r.log, (Lines{"start kie.bat", "KillTemp", "recent documents", "say: All recent files have been deleted"}));
  EXPECT_EQ(t.cleaning.queuedCommands(), 0u);
}

TEST(CleaningRuns, TheTaskTableRunsWhileAMessageIsOpenAndReadsTheBoxesAsTheyStand) {
  Commands c;
  c.r.during["say: All cookies have been deleted"] = [&c] {
    EXPECT_FALSE(c.cleaning.Busy()) << "a message waiting for the user must not hold up a power action";
    c.page.ToggleBox(kCheck1);  // ticked, not saved
    c.cleaning.RunCleanupTasks();
  };
  c.Run(CleaningCommand::ClearCookies);
  EXPECT_EQ(c.r.log, (Lines{"start system.bat", "say: All cookies have been deleted", "EmptyRec 7"}));
}

}  // namespace
}  // namespace dusk
