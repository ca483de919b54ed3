// The cleaner page under Wine: its controls as the end-to-end scripts find them, the
// labels and buttons, Save on the real profile calls; and the main window's cleaner
// reading the page's boxes when the task table runs, on recorded shell calls.
#include <gtest/gtest.h>
#include <windows.h>

#include "cleaner/win/cleaner_ids.h"
#include "main_frame_fixture.h"
#include "quick_fake_shell.h"
#include "window_probe.h"

namespace dusk {
namespace {

class CleanerPageTest : public ::testing::Test {
 protected:
  // Any page container of the fake main window does for Picture2.
  void Start() { shell.part = CreateCleanerPart(shell, shell.picture4, page); }
  HWND Item(int id) { return FindControl(shell.picture4, id); }
  HWND Box(CleanupBox b) { return Item(kCleanupCheck + b); }
  bool Ticked(CleanupBox b) { return SendMessageA(Box(b), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Shown(HWND w) { return (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) != 0; }
  // A real press and release on the control, as the mouse gives them.
  void MouseClick(HWND w) {
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  }
  std::string Setting(const char* key) { return shell.Setting("CLEANUP", key); }

  QuickFakeShell shell;
  CleanerPage page;
};

TEST_F(CleanerPageTest, NineBareBoxesWithLabelsTheHiddenOnesAndTheButtons) {
  shell.WriteSetting("CLEANUP", "runhistory", "1");
  shell.WriteSetting("CLEANUP", "tempclean", "1");
  Start();
  for (int b = 0; b < kCleanupBoxCount; ++b) {
    HWND box = Box(static_cast<CleanupBox>(b)), label = Item(kCleanupLabel + b);
    ASSERT_TRUE(box && label) << b;
    EXPECT_EQ(ClassOf(box), "Button");
    EXPECT_EQ(Text(label), kCleanupBoxes[b].label);
    const bool shown = b != kCheck8;
    EXPECT_EQ(Shown(box), shown) << b;
    EXPECT_EQ(Shown(label), shown) << b;
    // Only the square shows: the label carries the text.
    RECT r;
    GetClientRect(box, &r);
    EXPECT_LE(r.right, 20) << b;
  }
  EXPECT_TRUE(Ticked(kCheck8)) << "set from the file though hidden";
  EXPECT_TRUE(Ticked(kCheck9));
  EXPECT_FALSE(Ticked(kCheck1));
  for (int id : {kCheck10Id, kCheck11Id}) {
    ASSERT_TRUE(Item(id));
    EXPECT_FALSE(Shown(Item(id)));
    EXPECT_EQ(SendMessageA(Item(id), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  }
  EXPECT_EQ(Text(Item(kCleanerSelectAll)), "Select all");
  EXPECT_EQ(Text(Item(kCleanerDeselectAll)), "Deselect all");
  EXPECT_EQ(Text(Item(kCleanerSave)), "Save settings");
  EXPECT_EQ(Text(Item(kCleanerNote)), "**These operations will be performed automatically when    the time reaches.");
  // Every row, the note and the buttons lie inside the page.
  RECT pageArea, row;
  GetWindowRect(shell.picture4, &pageArea);
  for (int id : {kCleanupLabel + kCheck9, kCleanerNote, kCleanerSave}) {
    GetWindowRect(Item(id), &row);
    EXPECT_LE(row.bottom, pageArea.bottom) << id;
    EXPECT_LE(row.right, pageArea.right) << id;
  }
}

TEST_F(CleanerPageTest, ClicksOnBoxesAndLabelsAndTheTwoButtonsKeepThePageCurrent) {
  Start();
  MouseClick(Item(kCleanupLabel + kCheck5));
  EXPECT_TRUE(Ticked(kCheck5));
  EXPECT_TRUE(page.box(kCheck5));
  MouseClick(Item(kCleanupLabel + kCheck5));
  EXPECT_FALSE(Ticked(kCheck5));
  SendMessageA(Box(kCheck2), BM_CLICK, 0, 0);
  EXPECT_TRUE(page.box(kCheck2));

  SendClick(Item(kCleanerSelectAll));
  for (int b = 0; b < kCleanupBoxCount; ++b) EXPECT_EQ(Ticked(static_cast<CleanupBox>(b)), b != kCheck8) << b;
  EXPECT_EQ(SendMessageA(Item(kCheck10Id), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(Box(kCheck3), BM_CLICK, 0, 0);
  SendClick(Item(kCleanerSelectAll));
  EXPECT_FALSE(Ticked(kCheck3)) << "the second press does nothing";
  SendClick(Item(kCleanerDeselectAll));
  for (int b = 0; b < kCleanupBoxCount; ++b) EXPECT_FALSE(Ticked(static_cast<CleanupBox>(b))) << b;
  EXPECT_EQ(page.boxes(), CleanupBoxes{});
}

TEST_F(CleanerPageTest, SaveWritesTheKeysToTheSettingsFileOrRefuses) {
  shell.WriteSetting("CLEANUP", "runhistory", "1");
  Start();
  SendClick(Item(kCleanerSave));
  ASSERT_EQ(shell.dialogs.shown().size(), 1u);
  EXPECT_EQ(shell.dialogs.shown()[0].text, "Please select atleast one option");
  EXPECT_EQ(Setting("recyclebin"), "");

  SendMessageA(Box(kCheck1), BM_CLICK, 0, 0);
  MouseClick(Item(kCleanupLabel + kCheck9));
  SendClick(Item(kCleanerSave));
  EXPECT_EQ(shell.dialogs.shown().back().text, "Settings have been saved");
  EXPECT_EQ(Setting("recyclebin"), "1");
  EXPECT_EQ(Setting("tempclean"), "1");
  EXPECT_EQ(Setting("explorerhistory"), "0");
  EXPECT_EQ(Setting("runhistory"), "1");
}

class MainWindowCleaner : public MainFrameFixture {
 protected:
  std::string Folder() const {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
  }
};

// Only the two batch files of the history row: nothing the test did not make is touched.
TEST_F(MainWindowCleaner, TheTaskTableReadsThePagesBoxesAsTheyStand) {
  CreateMainFrame();
  HWND page = main->PageWindow(Page::Cleanup);
  for (int b = 0; b < kCleanupBoxCount; ++b)
    if (SendMessageA(FindControl(page, kCleanupCheck + b), BM_GETCHECK, 0, 0) == BST_CHECKED)
      SendMessageA(FindControl(page, kCleanupCheck + b), BM_CLICK, 0, 0);
  SendMessageA(FindControl(page, kCleanupCheck + kCheck4), BM_CLICK, 0, 0);  // ticked, not saved
  main->Cleanup().RunCleanupTasks();
  EXPECT_EQ(shellCleaning.calls,
            (std::vector<std::string>{"start " + Folder() + "\\kie.bat", "start " + Folder() + "\\sys.bat"}));
  EXPECT_FALSE(main->Cleanup().Busy());

  dialogs.QueueAnswer(MsgResult::No);
  main->Cleaning().Run(CleaningCommand::DeleteAll);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(shellCleaning.calls.size(), 2u) << "nothing more after No";
}

}  // namespace
}  // namespace dusk
