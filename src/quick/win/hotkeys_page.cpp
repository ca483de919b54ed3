#include "quick/win/hotkeys_page.h"

#include "quick/win/quick_ids.h"
#include "timer/win/program_buttons.h"
#include "widgets/win/window_subclass.h"

namespace dusk {
namespace {

// Letter fields drop every typed character that is not a letter before the edit
// control sees it; a letter replaces the one the field holds.
void FilterLetterKeys(bool before, bool& handled, LRESULT& result, HWND field, UINT msg, WPARAM wp,
                      LPARAM, LONG_PTR&) {
  if (!before || msg != WM_CHAR) return;
  if (AcceptsHotkeyChar(static_cast<char>(wp))) {
    SendMessageA(field, EM_SETSEL, 0, -1);
    return;
  }
  handled = true;
  result = 0;
}

}  // namespace

HotkeysPage::HotkeysPage(HWND picture5, Services services, const HotkeySettings& loaded)
    : services_(std::move(services)), settings_(loaded) {
  HWND page = CreatePanel("DusklatchHotkeysPage", picture5);
  if (!page) return;
  const int x0 = 16;
  HWND box =
      MakeControl(page, "BUTTON", "", WS_TABSTOP | BS_AUTOCHECKBOX, kCheck23, x0, 17, 16, 16);
  SetChecked(box, loaded.enabled);
  MakeControl(page, "STATIC", " Enable Hotkeys", SS_NOTIFY, kLabel49, x0 + 18, 18, 160, 18);

  // The frame "Hotkeys" is its heading here: a themed group box cannot show the page
  // behind it.
  MakeControl(page, "STATIC", "Hotkeys", 0, kFrame5, x0, 52, 200, 18);
  letterKeys_ = std::make_unique<LightSubclasser>(FilterLetterKeys);
  for (const HotkeyEntry& e : kHotkeys) {
    const int y = 76 + 30 * e.id;
    MakeControl(page, "STATIC", e.label, 0, kLabel16 + e.id, x0 + 16, y + 3, 110, 18);
    MakeControl(page, "STATIC", "CTRL+ ALT +", 0, kPrefixLabel + e.id, x0 + 140, y + 3, 86, 18);
    HWND letter = MakeControl(page, "EDIT", loaded.letters[e.id].c_str(), WS_TABSTOP | ES_CENTER,
                              kText5 + e.id, x0 + 232, y, 30, 22, WS_EX_CLIENTEDGE);
    SendMessageA(letter, EM_LIMITTEXT, 1, 0);
    if (letterKeys_->Hook(letter) >= 0) letterKeys_->AddMessage(letter, WM_CHAR, kHookBefore);
  }
  MakeCandyButton(page, kHotkeySave, "Save", x0, 274, 110, 34);
  ApplyEnabling();
}

HotkeysPage::~HotkeysPage() {
  letterKeys_.reset();  // unhooked while the fields still exist
  if (hwnd()) DestroyWindow(hwnd());
}

void HotkeysPage::ApplyEnabling() {
  const BOOL on = settings_.enabled ? TRUE : FALSE;
  EnableWindow(Item(kFrame5), on);
  EnableWindow(Item(kHotkeySave), on);
  for (int i = 0; i < kHotkeyCount; ++i)
    for (int id : {kLabel16 + i, kPrefixLabel + i, kText5 + i}) EnableWindow(Item(id), on);
}

void HotkeysPage::OnLetterEdited(int index) {
  HWND field = Item(kText5 + index);
  const std::string text = WindowText(field);
  const std::string letters = LetterFieldText(text);
  if (letters != text) {
    SetWindowTextA(field, letters.c_str());  // comes back here with the clean text
    SendMessageA(field, EM_SETSEL, letters.size(), letters.size());
    return;
  }
  settings_.letters[index] = letters;
}

void HotkeysPage::OnCommand(int id, int code) {
  if (id >= kText5 && id < kText5 + kHotkeyCount) {
    if (code == EN_CHANGE) OnLetterEdited(id - kText5);
    return;
  }
  switch (id) {
    case kLabel49:
      if (code != STN_CLICKED) return;
      SetChecked(Item(kCheck23), !IsChecked(Item(kCheck23)));
      [[fallthrough]];
    case kCheck23:
      if (code == BN_CLICKED || code == STN_CLICKED) {
        settings_.enabled = IsChecked(Item(kCheck23));
        ApplyEnabling();
      }
      return;
    case kHotkeySave:
      if (code == BN_CLICKED)
        SaveHotkeySettings(settings_, services_.profile, services_.settingsFile, services_.dialogs);
      return;
  }
}

}  // namespace dusk
