#include "cleaner/cleaner_page.h"

#include "app/app_identity.h"
#include "app/settings_file.h"

namespace dusk {

CleanupBoxes LoadCleanupBoxes(ProfileApi& profile, const std::string& iniPath) {
  CleanupBoxes boxes;
  for (int b = 0; b < kCleanupBoxCount; ++b)
    boxes[b] = ReadINI(profile, kCleanupSection, kCleanupBoxes[b].key, iniPath) == "1";
  return boxes;
}

bool SaveCleanupBoxes(const CleanupBoxes& boxes, ProfileApi& profile, const std::string& iniPath,
                      Dialogs& dialogs) {
  bool anyShown = false;
  for (int b = 0; b < kCleanupBoxCount; ++b)
    if (kCleanupBoxes[b].shown && boxes[b]) anyShown = true;
  if (!anyShown) {
    dialogs.Show("Please select atleast one option", kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
    return false;
  }
  for (int b = 0; b < kCleanupBoxCount; ++b)
    WriteINI(profile, kCleanupSection, kCleanupBoxes[b].key, boxes[b] ? "1" : "0", iniPath);
  dialogs.Show("Settings have been saved", kAppTitle, MsgButtons::Ok, MsgIcon::Information);
  return true;
}

void CleanerPage::SetShownBoxes(bool ticked) {
  for (int b = 0; b < kCleanupBoxCount; ++b)
    if (kCleanupBoxes[b].shown) boxes_[b] = ticked;
}

// Each change of Check10, either way, clears Check11 and ticks the shown boxes.
void CleanerPage::SetCheck10(bool value) {
  if (check10_ == value) return;
  check10_ = value;
  SetCheck11(false);
  SetShownBoxes(true);
}

// Each change of Check11, either way, clears Check10 (before and after) and clears
// the shown boxes.
void CleanerPage::SetCheck11(bool value) {
  if (check11_ == value) return;
  check11_ = value;
  SetCheck10(false);
  SetShownBoxes(false);
  SetCheck10(false);
}

void CleanerPage::SelectAll() {
  SetCheck11(false);
  SetCheck10(true);
}

void CleanerPage::DeselectAll() {
  SetCheck10(false);
  SetCheck11(true);
}

}  // namespace dusk
