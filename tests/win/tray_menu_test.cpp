// The real tray menu under Wine: Form2 and its owner-drawn items, their drawing, and
// commands chosen through the open menu as a user chooses them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_frame_fixture.h"
#include "app/win/tray_menu.h"
#include "app/win/tray_menu_entry.h"
#include "power/power_actions.h"

namespace dusk {
namespace {

using Lines = std::vector<std::string>;
// Texts of a menu's items read from their item data; "-" for a dividing line.
Lines MenuTexts(HMENU menu) {
  Lines texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    const TrayMenuEntry* entry = TrayEntryAt(menu, i);
    texts.push_back(!entry ? "?" : entry->item ? entry->text : "-");
  }
  return texts;
}

// Keys typed into whichever pop-up menu of this thread opens next; a second timer
// ends the menu in any case so that a test can never wait on it for ever.
std::vector<WPARAM> g_keys;
void CALLBACK TypeIntoMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  KillTimer(nullptr, id);
  for (WPARAM key : g_keys) {
    if (key >= 'A' && key <= 'Z') {
      PostMessageA(menu, WM_CHAR, key, 0);
      continue;
    }
    PostMessageA(menu, WM_KEYDOWN, key, 0);
    PostMessageA(menu, WM_KEYUP, key, 0);
  }
}
void CALLBACK EndAnyMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

bool g_aboutSeen = false, g_mainVisibleWithAbout = false;
void CALLBACK LookAtAboutAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND about = FindWindowA("frmAbout", nullptr);
  g_aboutSeen = about && IsWindowVisible(about);
  g_mainVisibleWithAbout = IsWindowVisible(FindWindowA("frmMain1", nullptr));
  if (about) DestroyWindow(about);
}

class TrayMenuTest : public MainFrameFixture {
 protected:
  void SetUp() override {
    CreateMainFrame();
    tray = std::make_unique<TrayMenu>(*main);
  }
  void TearDown() override {
    tray.reset();
    MainFrameFixture::TearDown();
  }

  UINT TopId(TrayCommand command) {
    const auto& items = TrayMenuTopItems();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i].command == command) return kTrayFirstTopId + static_cast<UINT>(i);
    return 0;
  }

  // Opens the menu, types `keys` into it and returns once the menu has closed.
  void PopUpAndType(std::vector<WPARAM> keys) {
    g_keys = std::move(keys);
    const UINT_PTR typing = SetTimer(nullptr, 0, 100, TypeIntoMenu);
    const UINT_PTR ending = SetTimer(nullptr, 0, 5000, EndAnyMenu);
    SetForegroundWindow(main->MainWindow());
    tray->PopUp(main->MainWindow(), POINT{120, 120});
    KillTimer(nullptr, typing);
    KillTimer(nullptr, ending);
  }

  std::unique_ptr<TrayMenu> tray;
};

TEST_F(TrayMenuTest, Form2CarriesTheOwnerDrawnMenuWithTextsAndPictures) {
  HWND form = tray->Window();
  ASSERT_NE(form, nullptr);
  char cls[16] = {};
  GetClassNameA(form, cls, sizeof cls);
  EXPECT_STREQ(cls, "Form2");
  EXPECT_FALSE(IsWindowVisible(form));
  EXPECT_EQ(GetWindow(form, GW_OWNER), main->MainWindow());
  EXPECT_EQ(tray->Window(), form);  // created once

  HMENU menu = tray->Menu();
  EXPECT_EQ(MenuTexts(menu), (Lines{"About", "Clear Privacy data", "-", "Shutdown", "Restart", "StandBy",
                                    "Hibernate", "Log off", "Lock computer", "-", "Add a schedule",
                                    "Open Main window", "-", "Exit"}));
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
    EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, MenuTexts(menu)[i] == "-") << i;
  }
  EXPECT_EQ(TrayPictureKeys()[TrayEntryAt(menu, 0)->picture], "info ");
  EXPECT_EQ(TrayPictureKeys()[TrayEntryAt(menu, 3)->picture], "shut");
  EXPECT_EQ(TrayPictureKeys()[TrayEntryAt(menu, 13)->picture], "exit");

  HMENU cleaning = GetSubMenu(menu, 1);
  ASSERT_NE(cleaning, nullptr);
  EXPECT_TRUE(TrayEntryAt(menu, 1)->hasSubmenu);
  EXPECT_EQ(MenuTexts(cleaning),
            (Lines{"Delete All", "-", "Clear Temporary Files", "Empty Recycle Bin", "Erase Recent Document List",
                   "Clear typed URLs in IE", "Delete history of IE", "Clear Windows Media Player History",
                   "Clear cookies", "Clear Painbrush History"}));
  EXPECT_EQ(TrayPictureKeys()[TrayEntryAt(cleaning, 9)->picture], "pai1");
  EXPECT_EQ(GetMenuItemID(cleaning, 0), kTrayFirstCleaningId);
}

TEST_F(TrayMenuTest, ItemsAreMeasuredAndDrawnInTheirLooks) {
  HWND form = tray->Window();
  HMENU menu = tray->Menu();
  const auto* exitEntry = TrayEntryAt(menu, 13);
  const auto* line = TrayEntryAt(menu, 2);
  MEASUREITEMSTRUCT item{ODT_MENU, 0, exitEntry->id, 0, 0, reinterpret_cast<ULONG_PTR>(exitEntry)};
  EXPECT_TRUE(SendMessageA(form, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_GE(item.itemHeight, 22u);
  EXPECT_GT(item.itemWidth, 40u);
  MEASUREITEMSTRUCT divider{ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(line)};
  SendMessageA(form, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&divider));
  EXPECT_LT(divider.itemHeight, item.itemHeight);

  // Draws the Exit item into a bitmap in one state and counts pixels of a colour.
  const int w = 160, h = 22;
  auto draw = [&](UINT state, COLORREF wanted, POINT probe, COLORREF* probed) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT d{ODT_MENU, 0, exitEntry->id, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(menu), dc,
                     RECT{0, 0, w, h}, reinterpret_cast<ULONG_PTR>(exitEntry)};
    EXPECT_TRUE(SendMessageA(form, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d)));
    int count = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) count += GetPixel(dc, x, y) == wanted;
    if (probed) *probed = GetPixel(dc, probe.x, probe.y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return count;
  };
  const COLORREF text = GetSysColor(COLOR_MENUTEXT), grey = GetSysColor(COLOR_GRAYTEXT);
  const COLORREF menuColour = GetSysColor(COLOR_MENU), highlight = GetSysColor(COLOR_HIGHLIGHT);
  COLORREF probe = 0;
  EXPECT_GT(draw(0, text, {w - 4, h / 2}, &probe), 10) << "the text is drawn";
  EXPECT_EQ(probe, menuColour) << "plain background";
  EXPECT_EQ(draw(0, highlight, {}, nullptr), 0) << "no highlight at rest";
  EXPECT_GT(draw(ODS_SELECTED, highlight, {w - 4, h / 2}, &probe), 2 * (w + h) - 20) << "framed when hot";
  EXPECT_NE(probe, menuColour) << "and filled";
  EXPECT_GT(draw(ODS_GRAYED, grey, {}, nullptr), 10) << "greyed text";
  EXPECT_EQ(draw(ODS_GRAYED, text, {}, nullptr), 0) << "and no ordinary text";
  EXPECT_LT(draw(ODS_GRAYED | ODS_SELECTED, highlight, {w - 4, h / 2}, &probe), 10) << "a hot greyed item";
  EXPECT_EQ(probe, menuColour) << "is not filled";
}

TEST_F(TrayMenuTest, ChoosingFromTheOpenMenuRunsTheCommand) {
  PopUpAndType({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});  // About, Clear Privacy data, Shutdown
  EXPECT_EQ(power.requests(), (Lines{"privilege on", "ExitWindowsEx 8", "privilege off"}));
  EXPECT_FALSE(IsWindowVisible(tray->Window()));

  dialogs.QueueAnswer(MsgResult::No);
  PopUpAndType({'E'});  // the only item starting with E: Exit, asked first
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "Do you really want to exit ?");

  PopUpAndType({VK_ESCAPE});  // nothing chosen
  EXPECT_EQ(power.requests().size(), 3u);
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(TrayMenuTest, HibernateWithoutTheFileAndTheWindowCommands) {
  tray->Choose(TopId(TrayCommand::Hibernate));
  EXPECT_TRUE(power.requests().empty());
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, kHibernationDisabledMessage);
  EXPECT_EQ(dialogs.shown()[0].icon, MsgIcon::Critical);

  power.existingFiles.insert("C:\\hiberfil.sys");
  tray->Choose(TopId(TrayCommand::Hibernate));
  EXPECT_EQ(power.requests(), (Lines{"privilege on", "SetSuspendState 1 0 0", "privilege off"}));

  main->ShowPage(Page::Cleanup);
  tray->Choose(TopId(TrayCommand::AddSchedule));
  EXPECT_TRUE(IsWindowVisible(main->MainWindow()));
  EXPECT_EQ(main->CurrentPage(), Page::Schedule);
  main->HideMainWindow();
  tray->Choose(TopId(TrayCommand::OpenMainWindow));
  EXPECT_TRUE(IsWindowVisible(main->MainWindow()));
  EXPECT_EQ(main->CurrentPage(), Page::Main);
  // About is modal: it is looked at, then closed, from inside its own loop.
  g_aboutSeen = false;
  g_mainVisibleWithAbout = true;
  const UINT_PTR closing = SetTimer(nullptr, 0, 100, LookAtAboutAndClose);
  tray->Choose(TopId(TrayCommand::About));
  KillTimer(nullptr, closing);
  EXPECT_TRUE(g_aboutSeen);
  EXPECT_FALSE(g_mainVisibleWithAbout);
  EXPECT_EQ(FindWindowA("frmAbout", nullptr), nullptr);
}

TEST_F(TrayMenuTest, ALaterSystemGreysWhatItRefuses) {
  power.version = {2, 6, 0};
  tray->Choose(TopId(TrayCommand::Lock));
  tray->Choose(TopId(TrayCommand::StandBy));
  EXPECT_TRUE(power.requests().empty());
  HMENU menu = tray->Menu();
  EXPECT_TRUE(GetMenuState(menu, TopId(TrayCommand::Lock), MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(menu, TopId(TrayCommand::Hibernate), MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, TopId(TrayCommand::Restart), MF_BYCOMMAND) & MF_GRAYED);
  tray->Choose(TopId(TrayCommand::Restart));
  EXPECT_EQ(power.requests(), (Lines{"privilege on", "ExitWindowsEx 2", "privilege off"}));

  power.version = {2, 5, 1};  // asked afresh each time
  tray->Choose(TopId(TrayCommand::Lock));
  EXPECT_EQ(power.requests().back(), "LockWorkStation");
  EXPECT_FALSE(GetMenuState(menu, TopId(TrayCommand::Lock), MF_BYCOMMAND) & MF_GRAYED);
}

}  // namespace
}  // namespace dusk
