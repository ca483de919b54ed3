// The six power actions and the rules that decide which the running system allows.
#pragma once
#include <string>

#include "platform/dialogs.h"
#include "platform/power.h"

namespace dusk {

enum class PowerAction { Shutdown, Restart, LogOff, StandBy, Hibernate, Lock };

// Exit-windows flags.
inline constexpr int kEwxLogOff = 0;
inline constexpr int kEwxReboot = 2;
inline constexpr int kEwxForce = 4;
inline constexpr int kEwxPowerOff = 8;

struct OsVersionInfo {
  int PlatformClass = 0;  // 0 Win32s, 1 95/98/ME, 2 NT family
  int OsType = 0;         // 1 95, 2 98, 3 ME, 4 NT, 5 2000, 6 XP, 0 anything else
};

OsVersionInfo GetOsVersionInfo(PowerApi& api);

// Which systems may suspend (98, ME, 2000, XP) and lock (2000, XP).
inline bool SuspendAllowed(const OsVersionInfo& os) { return os.OsType != 0 && os.OsType != 1 && os.OsType != 4; }
inline bool LockAllowed(const OsVersionInfo& os) { return os.OsType == 5 || os.OsType == 6; }
std::string GetOsName(PowerApi& api);
void SetShutdownPrivilege(PowerApi& api, bool enable);

// Shut down (8), restart (2) or log off (0); force adds 4. On the NT family the
// shutdown privilege is held only around the request.
bool ExitWindowsAction(PowerApi& api, int flags, bool force);
// Stand by (0) or hibernate (1); refused on systems that cannot suspend. On the NT
// family the shutdown privilege is held only around the request, as for exiting.
bool SuspendMachine(PowerApi& api, int hibernate, bool forceCritical, bool disableWakeEvent);
// Locks the workstation on Windows 2000 and XP only.
bool LockComputer(PowerApi& api);
// True when the hibernation file at `hibernationPath` exists.
bool IsHibernationAvailable(PowerApi& api, const std::string& hibernationPath);

// Carries out one action with the arguments every caller uses.
bool PerformPowerAction(PowerApi& api, PowerAction action, bool force);

// An action chosen by the user to happen at once (tray menu, toolbar): never forced,
// and hibernating needs the hibernation file; without it the user is told why instead.
void PerformCheckedPowerAction(PowerApi& api, Dialogs& dialogs, const std::string& hibernationPath,
                               PowerAction action);

// The hibernation file's path: the drive root of the Start Menu folder + "hiberfil.sys".
std::string HibernationFilePath(const std::string& startMenuFolder);

inline constexpr const char* kHibernationDisabledMessage =
    "Hibernation is DISABLED in your system.To enable it go to control panel then click on Power "
    "Options.Now click on Hibernate tab.Now mark the checkbox -->Enable Hibernation.Now click on "
    "apply and then click on ok button.";

}  // namespace dusk
