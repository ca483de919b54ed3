#include "quick/toolbar_options.h"

#include "app/app_identity.h"
#include "app/settings_file.h"
#include "timer/timer_fields.h"

namespace dusk {

ToolbarOptions LoadToolbarOptions(ProfileApi& profile, const std::string& iniPath) {
  ToolbarOptions o;
  o.fill(true);
  for (ToolbarBox box : {kBoxTop, kBoxStartup})
    o[box] = LeadingNumber(ReadINI(profile, kToolbarSection, kToolbarBoxes[box].key, iniPath)) != 0;
  return o;
}

void SelectAllToolbarBoxes(ToolbarOptions& o) {
  for (ToolbarBox box : {kBoxEnabled, kBoxTop, kBoxStartup, kBoxExit}) o[box] = true;
}

void SelectNoToolbarBoxes(ToolbarOptions& o) {
  for (ToolbarBox box : {kBoxTop, kBoxStartup, kBoxExit}) o[box] = false;
}

bool SaveToolbarOptions(const ToolbarOptions& o, bool passwordProtectionTicked, ProfileApi& profile,
                        const std::string& iniPath, Dialogs& dialogs) {
  if (!o[kBoxStartup] && !passwordProtectionTicked) {
    dialogs.Show("Please select at least one option ", kAppTitle, MsgButtons::Ok,
                 MsgIcon::Critical);
    return false;
  }
  for (int box = 0; box < kToolbarBoxCount; ++box)
    WriteINI(profile, kToolbarSection, kToolbarBoxes[box].key, o[box] ? "1" : "0", iniPath);
  dialogs.Show("Settings have been saved !!", kAppTitle, MsgButtons::Ok, MsgIcon::Information);
  return true;
}

}  // namespace dusk
