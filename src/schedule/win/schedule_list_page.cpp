#include "schedule/win/schedule_list_page.h"

#include <commctrl.h>

#include "../../../resources/resource_ids.h"
#include "schedule/win/schedule_ids.h"
#include "timer/win/program_buttons.h"

namespace dusk {
namespace {

// The list's small icons, in the order of the keys below.
const char* const kIconKeys[] = {"Shutdown", "Restart", "Log Off", "Suspend", "Hibernate",
                                 "Lock Computer"};
const int kIconIds[] = {IDI_ACTION_SHUTDOWN, IDI_ACTION_RESTART,   IDI_ACTION_LOGOFF,
                        IDI_ACTION_STANDBY,  IDI_ACTION_HIBERNATE, IDI_ACTION_LOCK};

constexpr UINT kTidyUp = WM_APP + 0x21;

int IconIndex(const std::string& key) {
  for (int i = 0; i < 6; ++i)
    if (key == kIconKeys[i]) return i;
  return I_IMAGENONE;  // a row with an unknown key is listed without a picture
}

void SetCell(HWND list, int row, int column, const std::string& text) {
  LVITEMA cell{};
  cell.iSubItem = column;
  cell.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
}

}  // namespace

ScheduleListPage::ScheduleListPage(HWND picture7, ScheduleListEvents events)
    : events_(std::move(events)) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  RECT area;
  GetClientRect(picture7, &area);
  int width = area.right > 0 ? area.right : 370, height = area.bottom > 0 ? area.bottom : 330;
  HWND page = CreateAs("DusklatchSchedulePage", WS_EX_CONTROLPARENT,
                       WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height, picture7);
  if (!page) return;
  list_ = MakeControl(page, WC_LISTVIEWA, "",
                      WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                          LVS_SHAREIMAGELISTS,
                      kScheduleListView1, 8, 8, width - 16, height - 64, WS_EX_CLIENTEDGE);
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const char* headings[] = {"Action", "Date/Day", "Time", "Type"};
  const int widths[] = {110, 90, 70, 80};
  for (int i = 0; i < 4; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(headings[i]);
    column.cx = widths[i];
    column.iSubItem = i;
    SendMessageA(list_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  images_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 6, 0);
  for (int id : kIconIds) {
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                               IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    ImageList_AddIcon(images_, icon);  // keeps the order even when a picture is missing
    if (icon) DestroyIcon(icon);
  }
  // The page owns the pictures: the shared list leaves them to it when it goes.
  SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_));
  int buttonWidth = (width - 32) / 3, y = height - 48;
  MakeCandyButton(page, kScheduleAdd, "Add", 8, y, buttonWidth, 34);
  MakeCandyButton(page, kScheduleDelete, "Delete", 16 + buttonWidth, y, buttonWidth, 34);
  MakeCandyButton(page, kScheduleDeleteAll, "Delete All", 24 + 2 * buttonWidth, y, buttonWidth,
                  34);
}

ScheduleListPage::~ScheduleListPage() {
  if (hwnd()) DestroyWindow(hwnd());
  if (images_) ImageList_Destroy(images_);
}

void ScheduleListPage::Clear() {
  if (list_) SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
}

void ScheduleListPage::Append(const std::vector<ScheduleRow>& rows) {
  if (!list_) return;
  for (const ScheduleRow& row : rows) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = RowCount();
    item.pszText = const_cast<char*>(row.action.c_str());
    item.iImage = IconIndex(row.icon);
    int index = static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0,
                                              reinterpret_cast<LPARAM>(&item)));
    if (index < 0) continue;
    SetCell(list_, index, 1, row.date);
    SetCell(list_, index, 2, row.time);
    SetCell(list_, index, 3, row.type);
  }
}

int ScheduleListPage::RowCount() const {
  return list_ ? static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

int ScheduleListPage::SelectedPosition() const {
  int selected = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
  return selected < 0 ? 1 : selected + 1;
}

void ScheduleListPage::PostTidyUp() {
  if (hwnd()) PostMessageA(hwnd(), kTidyUp, 0, 0);
}

LRESULT ScheduleListPage::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kTidyUp:
      if (events_.tidyUp) events_.tidyUp();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        int id = LOWORD(wp);
        if (id == kScheduleAdd && events_.add) events_.add();
        if (id == kScheduleDelete && events_.remove) events_.remove();
        if (id == kScheduleDeleteAll && events_.removeAll) events_.removeAll();
      }
      return 0;
    case WM_ERASEBKGND:
      PaintParentBackground(w, reinterpret_cast<HDC>(wp));
      return 1;
    case WM_PRINTCLIENT:
      PaintParentBackground(w, reinterpret_cast<HDC>(wp));
      return 0;
  }
  return TimerWindow::Handle(w, msg, wp, lp);
}

}  // namespace dusk
