#include "quick/win/toolbar_page.h"

#include "quick/win/quick_ids.h"
#include "timer/win/program_buttons.h"

namespace dusk {

ToolbarPage::ToolbarPage(HWND picture4, Services services, const ToolbarOptions& loaded)
    : services_(std::move(services)), options_(loaded) {
  HWND page = CreatePanel("DusklatchToolbarPage", picture4);
  if (!page) return;
  const int x0 = 16;
  // The three options of the toolbar itself, then the buttons it shows, two columns.
  auto box = [page](int index, int x, int y, int w) {
    MakeControl(page, "BUTTON", kToolbarBoxes[index].caption, WS_TABSTOP | BS_AUTOCHECKBOX,
                kToolbarBox + index, x, y, w, 20);
  };
  box(kBoxEnabled, x0, 14, 300);
  box(kBoxTop, x0, 40, 300);
  box(kBoxStartup, x0, 66, 300);
  MakeControl(page, "STATIC", "Buttons", 0, 0, x0, 102, 200, 18);
  for (int index = kBoxShutdown; index <= kBoxExit; ++index) {
    const int row = (index - kBoxShutdown) % 4, column = (index - kBoxShutdown) / 4;
    box(index, x0 + 16 + column * 150, 126 + row * 25, 140);
  }
  MakeCandyButton(page, kToolbarSave, "Save Settings", x0, 248, 120, 34);
  MakeCandyButton(page, kToolbarSelectAll, "Select All", x0 + 130, 248, 100, 34);
  MakeCandyButton(page, kToolbarSelectNone, "Select None", x0 + 240, 248, 100, 34);
  ShowOptions();
}

ToolbarPage::~ToolbarPage() {
  if (hwnd()) DestroyWindow(hwnd());
}

void ToolbarPage::ShowOptions() {
  for (int index = 0; index < kToolbarBoxCount; ++index)
    SetChecked(Item(kToolbarBox + index), options_[index]);
}

void ToolbarPage::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  if (id >= kToolbarBox && id < kToolbarBox + kToolbarBoxCount) {
    options_[id - kToolbarBox] = IsChecked(Item(id));
    return;
  }
  switch (id) {
    case kToolbarSave:
      SaveToolbarOptions(options_,
                         services_.passwordProtectionTicked && services_.passwordProtectionTicked(),
                         services_.profile, services_.settingsFile, services_.dialogs);
      return;
    case kToolbarSelectAll:
      SelectAllToolbarBoxes(options_);
      ShowOptions();
      return;
    case kToolbarSelectNone:
      SelectNoToolbarBoxes(options_);
      ShowOptions();
      return;
  }
}

}  // namespace dusk
