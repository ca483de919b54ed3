#include "cleaner/win/cleaner_page_window.h"

#include "cleaner/win/cleaner_ids.h"
#include "widgets/win/frame_rule.h"
#include "widgets/win/window_buttons.h"

namespace dusk {
namespace {

constexpr int kFrameCaptionHeight = 18;
constexpr int kRowHeight = 24;
const char* const kFrameCaption = "Windows Cleaner";
constexpr COLORREF kFocusedLabelColour = RGB(255, 196, 64);

// The boxes' own captions: too long for the bare squares, so never seen, but they name
// the boxes for tools that read the controls.
constexpr const char* kBoxCaptions[kCleanupBoxCount] = {
    "Empty recycle bin (working)",
    "Erase Recent Document list(working)",
    "Clear Internet Explorer history",
    "Clear typed urls in internet explorer",
    "Clear history of  files played in windows media player(wkng)",
    "Clear search history",
    "Clear paintbrush history(working)",
    "Clear  Run menu history",
    "Clear the contents of TEMP folder(working)",
};

}  // namespace

HWND CleanerPageWindow::Frame::Create(HWND page, int x, int y, int width, int height) {
  return CreateAs("DusklatchCleanerFrame", WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE, x, y, width, height, page,
                  kCleanerFrame);
}

LRESULT CleanerPageWindow::Frame::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  // The rows' clicks belong to the page.
  if (msg == WM_COMMAND) return SendMessageA(GetParent(w), msg, wp, lp);
  // The labels show the page, in the colour Picture2 picks.
  LRESULT result = 0;
  if (!AnswerSeeThrough(w, GetParent(GetParent(w)), msg, wp, lp, result)) return TimerWindow::Handle(w, msg, wp, lp);
  if (msg == WM_ERASEBKGND || msg == WM_PRINTCLIENT)
    DrawFrameRule(w, reinterpret_cast<HDC>(wp), kFrameCaption, kFrameCaptionHeight);
  // A bare box has no caption to draw its focus around: the label of the box that has
  // the keyboard lights up instead, in the colour of a focused button's edge.
  if (msg == WM_CTLCOLORSTATIC) {
    HWND focus = GetFocus();
    const int label = GetDlgCtrlID(reinterpret_cast<HWND>(lp));
    if (focus && GetParent(focus) == w && GetDlgCtrlID(focus) - kCleanupCheck == label - kCleanupLabel)
      SetTextColor(reinterpret_cast<HDC>(wp), kFocusedLabelColour);
  }
  return result;
}

CleanerPageWindow::CleanerPageWindow(HWND picture2, Services services, CleanerPage& page)
    : services_(std::move(services)), page_(page) {
  HWND panel = CreatePanel("DusklatchCleanerPage", picture2);
  if (!panel) return;
  RECT area;
  GetClientRect(panel, &area);
  const int width = area.right > 0 ? area.right : 380;
  const int x0 = 12, inner = width - 2 * x0;

  // The two flags behind the buttons: never shown, never saved.
  ShowWindow(MakeControl(panel, "BUTTON", "Select all options below", BS_AUTOCHECKBOX, kCheck10Id, x0, 0, 16, 16),
             SW_HIDE);
  ShowWindow(MakeControl(panel, "BUTTON", "Uncheck all options", BS_AUTOCHECKBOX, kCheck11Id, x0, 0, 16, 16),
             SW_HIDE);

  const int rows = kCleanupBoxCount - 1;  // the hidden box takes no row
  const int noteTop = kFrameCaptionHeight + 8 + rows * kRowHeight + 2;
  HWND frame = frame_.Create(panel, x0, 8, inner, noteTop + 40);
  // A bare box per row (a themed check box would draw its caption in the theme's
  // colour, unreadable on the dark page) with its label beside it; a click on the
  // label ticks the box too.
  int row = 0;
  for (CleanupBox box : kCleanupRows) {
    const bool shown = kCleanupBoxes[box].shown;
    const int y = kFrameCaptionHeight + 8 + (shown ? row++ : 0) * kRowHeight;
    HWND check = MakeControl(frame, "BUTTON", kBoxCaptions[box], WS_TABSTOP | BS_AUTOCHECKBOX | BS_NOTIFY, kCleanupCheck + box,
                             14, y, 16, 18);
    HWND label = MakeControl(frame, "STATIC", kCleanupBoxes[box].label, SS_NOTIFY | SS_NOPREFIX,
                             kCleanupLabel + box, 36, y + 1, inner - 50, 18);
    if (!shown) {
      ShowWindow(check, SW_HIDE);
      ShowWindow(label, SW_HIDE);
    }
  }
  MakeControl(frame, "STATIC", kCleanupNote, SS_NOPREFIX, kCleanerNote, 14, noteTop, inner - 28, 34);

  const int buttonsTop = 8 + noteTop + 40 + 14;
  MakeCandyButton(panel, kCleanerSelectAll, "Select all", x0, buttonsTop, 104, 34);
  MakeCandyButton(panel, kCleanerDeselectAll, "Deselect all", x0 + 114, buttonsTop, 110, 34);
  MakeCandyButton(panel, kCleanerSave, "Save settings", x0 + 234, buttonsTop, 122, 34);
  ShowBoxes();
}

CleanerPageWindow::~CleanerPageWindow() {
  if (hwnd()) DestroyWindow(hwnd());
}

HWND CleanerPageWindow::Item(int id) const {
  HWND direct = GetDlgItem(hwnd(), id);
  return direct ? direct : GetDlgItem(frame_.hwnd(), id);
}

void CleanerPageWindow::ShowBoxes() {
  for (int box = 0; box < kCleanupBoxCount; ++box) {
    HWND check = Item(kCleanupCheck + box);
    if (IsChecked(check) != page_.boxes()[box]) SetChecked(check, page_.boxes()[box]);
  }
  SetChecked(Item(kCheck10Id), page_.check10());
  SetChecked(Item(kCheck11Id), page_.check11());
}

// The label shows the frame behind it: the frame repaints that part, label included.
void CleanerPageWindow::RepaintLabel(int box) {
  HWND label = Item(kCleanupLabel + box);
  RECT area;
  GetWindowRect(label, &area);
  MapWindowPoints(nullptr, frame_.hwnd(), reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(frame_.hwnd(), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CleanerPageWindow::OnCommand(int id, int code) {
  if (id >= kCleanupCheck && id < kCleanupCheck + kCleanupBoxCount) {
    if (code == BN_CLICKED) page_.SetBox(static_cast<CleanupBox>(id - kCleanupCheck), IsChecked(Item(id)));
    if (code == BN_SETFOCUS || code == BN_KILLFOCUS) RepaintLabel(id - kCleanupCheck);
    return;
  }
  if (id >= kCleanupLabel && id < kCleanupLabel + kCleanupBoxCount) {
    if (code == STN_CLICKED) {
      page_.ToggleBox(static_cast<CleanupBox>(id - kCleanupLabel));
      ShowBoxes();
    }
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kCheck10Id:
      page_.SetCheck10(IsChecked(Item(id)));
      return ShowBoxes();
    case kCheck11Id:
      page_.SetCheck11(IsChecked(Item(id)));
      return ShowBoxes();
    case kCleanerSelectAll:
      page_.SelectAll();
      return ShowBoxes();
    case kCleanerDeselectAll:
      page_.DeselectAll();
      return ShowBoxes();
    case kCleanerSave:
      SaveCleanupBoxes(page_.boxes(), services_.profile, services_.settingsFile, services_.dialogs);
      return;
  }
}

}  // namespace dusk
