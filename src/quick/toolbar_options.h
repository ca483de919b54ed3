// The toolbar page: ten boxes stored in section "Toolbar". Only "Toolbar_Top" and
// "Toolbar_Startup" are read back (at start-up); the rest are written for the file's
// sake and come up ticked at every start.
#pragma once
#include <array>
#include <string>

#include "platform/dialogs.h"
#include "platform/profile.h"

namespace dusk {

// In the order Save writes them.
enum ToolbarBox {
  kBoxTop,
  kBoxStartup,
  kBoxEnabled,
  kBoxShutdown,
  kBoxRestart,
  kBoxLogOff,
  kBoxStandBy,
  kBoxHibernate,
  kBoxLock,
  kBoxExit,
  kToolbarBoxCount
};

struct ToolbarBoxSpec {
  const char* name;  // the control's name
  const char* caption;
  const char* key;  // in section "Toolbar"
};

inline constexpr const char* kToolbarSection = "Toolbar";
inline constexpr std::array<ToolbarBoxSpec, kToolbarBoxCount> kToolbarBoxes{{
    {"Check21", "Put toolbar on top of other Windows", "Toolbar_Top"},
    {"Check26", "Load  Toolbar on Windows startup", "Toolbar_Startup"},
    {"Check13", "Enable Toolbar", "Toolbar_Enabled"},
    {"Check14", "Shutdown", "TShutdown"},
    {"Check15", "Restart", "TRestart"},
    {"Check16", "Log Off", "TLogOff"},
    {"Check17", "Stand By", "TStandBy"},
    {"Check18", "Hibernate", "THibernate"},
    {"Check19", "Lock Computer", "TLock"},
    {"Check22", "Exit", "TExit"},
}};

using ToolbarOptions = std::array<bool, kToolbarBoxCount>;

ToolbarOptions LoadToolbarOptions(ProfileApi& profile, const std::string& iniPath);

// The toolbar opens at start-up when the page says so, and then stays above other
// windows when it says that too.
inline bool OpensToolbar(const ToolbarOptions& o) { return o[kBoxStartup]; }
inline bool ToolbarOnTop(const ToolbarOptions& o) { return o[kBoxStartup] && o[kBoxTop]; }

// "Select All" ticks Enable Toolbar, on top, at start-up and Exit; "Select None" clears
// the last three. Neither touches the boxes of the power actions.
void SelectAllToolbarBoxes(ToolbarOptions& o);
void SelectNoToolbarBoxes(ToolbarOptions& o);

// Save Settings: refused unless "Load  Toolbar on Windows startup" or the password
// page's "Enable password protection" is ticked; otherwise writes the ten keys in order
// and tells the user. True when written.
bool SaveToolbarOptions(const ToolbarOptions& o, bool passwordProtectionTicked, ProfileApi& profile,
                        const std::string& iniPath, Dialogs& dialogs);

}  // namespace dusk
