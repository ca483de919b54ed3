#include "timer/win/warnings_page.h"

#include "widgets/win/window_buttons.h"

namespace dusk {

WarningsPage::WarningsPage(HWND picture3, Services services, const WarningSettings& loaded)
    : services_(services), settings_(loaded) {
  HWND page = CreatePanel("DusklatchWarningsPage", picture3);
  if (!page) return;
  RECT area;
  GetClientRect(page, &area);
  const int width = area.right > 0 ? area.right : 370;
  const int x0 = 16, fieldWidth = width - 2 * x0 > 320 ? 320 : width - 2 * x0;
  int y = 16;
  HWND message = MakeControl(page, "BUTTON", "Show warning Message",
                             WS_TABSTOP | BS_AUTOCHECKBOX, kCheck25, x0, y, 220, 20);
  SetChecked(message, loaded.messageOn);
  y += 28;
  MakeControl(page, "STATIC", "Message Text", 0, kLabel8, x0, y, 120, 18);
  y += 20;
  // One line only: the text is stored as one value of the settings file.
  HWND text3 = MakeControl(page, "EDIT", loaded.message.c_str(), WS_TABSTOP | ES_AUTOHSCROLL,
                           kText3, x0, y, fieldWidth, 22, WS_EX_CLIENTEDGE);
  SendMessageA(text3, EM_LIMITTEXT, 254, 0);  // what a settings read gives back
  y += 44;
  HWND sound = MakeControl(page, "BUTTON", "Play Sound", WS_TABSTOP | BS_AUTOCHECKBOX, kCheck12,
                           x0, y, 220, 20);
  SetChecked(sound, loaded.soundOn);
  y += 28;
  MakeControl(page, "STATIC", "Sound File", 0, kLabel10, x0, y, 120, 18);
  y += 20;
  MakeControl(page, "EDIT", loaded.soundPath.c_str(), WS_TABSTOP | ES_AUTOHSCROLL, kText4, x0, y,
              fieldWidth - 90, 22, WS_EX_CLIENTEDGE);
  MakeCandyButton(page, kSettingsBrowse, "Browse", x0 + fieldWidth - 82, y - 2, 82, 26);
  y += 56;
  MakeCandyButton(page, kSettingsSave, "Save Settings", x0, y, 130, 32);
  ApplySoundEnabling();
}

void WarningsPage::ApplySoundEnabling() {
  BOOL on = settings_.soundOn ? TRUE : FALSE;
  for (int id : {kSettingsBrowse, kText4, kLabel10}) EnableWindow(Item(id), on);
}

void WarningsPage::OnCommand(int id, int code) {
  switch (id) {
    case kCheck25:
      if (code == BN_CLICKED) settings_.messageOn = IsChecked(Item(kCheck25));
      return;
    case kCheck12:
      if (code == BN_CLICKED) {
        settings_.soundOn = IsChecked(Item(kCheck12));
        ApplySoundEnabling();
      }
      return;
    case kText3:
      if (code == EN_CHANGE) settings_.message = WindowText(Item(kText3));
      return;
    case kText4:
      if (code == EN_CHANGE) settings_.soundPath = WindowText(Item(kText4));
      return;
    case kSettingsBrowse:
      if (code == BN_CLICKED)
        SetTextIfChanged(Item(kText4), BrowseSoundFile(services_.files, settings_.soundPath));
      return;
    case kSettingsSave:
      if (code == BN_CLICKED)
        SaveWarningSettings(settings_, services_.profile, services_.settingsFile,
                            services_.dialogs);
      return;
  }
}

}  // namespace dusk
