#include "power/power_actions.h"

#include "app/app_identity.h"

namespace dusk {

OsVersionInfo GetOsVersionInfo(PowerApi& api) {
  const OsVersionNumbers v = api.GetVersion();
  switch (v.platformId) {
    case 0: return {0, 0};
    case 1:
      if (v.minor == 0) return {1, 1};
      if (v.minor == 10) return {1, 2};
      if (v.minor == 90) return {1, 3};
      return {1, 0};
    case 2:
      if (v.major < 5) return {2, 4};
      if (v.major == 5 && v.minor == 0) return {2, 5};
      if (v.major == 5 && v.minor == 1) return {2, 6};
      return {2, 0};
    default: return {0, 0};
  }
}

std::string GetOsName(PowerApi& api) {
  static const char* const names[] = {"Windows 32",   "Windows 95", "Windows 98", "Windows ME",
                                      "Windows NT",   "Windows 2000", "Windows XP"};
  return names[GetOsVersionInfo(api).OsType];
}

void SetShutdownPrivilege(PowerApi& api, bool enable) { api.SetShutdownPrivilege(enable); }

bool ExitWindowsAction(PowerApi& api, int flags, bool force) {
  const unsigned effective = static_cast<unsigned>(force ? flags | kEwxForce : flags);
  if (GetOsVersionInfo(api).PlatformClass != 2) return api.ExitWindowsEx(effective);
  SetShutdownPrivilege(api, true);
  const bool accepted = api.ExitWindowsEx(effective);
  SetShutdownPrivilege(api, false);
  return accepted;
}

bool SuspendMachine(PowerApi& api, int hibernate, bool forceCritical, bool disableWakeEvent) {
  const OsVersionInfo os = GetOsVersionInfo(api);
  if (!SuspendAllowed(os)) return false;
  // On the NT family SetSuspendState fails unless the caller's token holds the
  // shutdown privilege enabled; the 95 family has no tokens.
  if (os.PlatformClass != 2) return api.SetSuspendState(hibernate != 0, forceCritical, disableWakeEvent);
  SetShutdownPrivilege(api, true);
  const bool accepted = api.SetSuspendState(hibernate != 0, forceCritical, disableWakeEvent);
  SetShutdownPrivilege(api, false);
  return accepted;
}

bool LockComputer(PowerApi& api) {
  if (!LockAllowed(GetOsVersionInfo(api))) return false;
  return api.LockWorkStation();
}

bool IsHibernationAvailable(PowerApi& api, const std::string& hibernationPath) {
  return api.FileExists(hibernationPath);
}

bool PerformPowerAction(PowerApi& api, PowerAction action, bool force) {
  switch (action) {
    case PowerAction::Shutdown: return ExitWindowsAction(api, kEwxPowerOff, force);
    case PowerAction::Restart: return ExitWindowsAction(api, kEwxReboot, force);
    case PowerAction::LogOff: return ExitWindowsAction(api, kEwxLogOff, force);
    case PowerAction::StandBy: return SuspendMachine(api, 0, force, false);
    case PowerAction::Hibernate: return SuspendMachine(api, 1, force, false);
    case PowerAction::Lock: return LockComputer(api);
  }
  return false;
}

void PerformCheckedPowerAction(PowerApi& api, Dialogs& dialogs, const std::string& hibernationPath,
                               PowerAction action) {
  if (action == PowerAction::Hibernate && !IsHibernationAvailable(api, hibernationPath)) {
    dialogs.Show(kHibernationDisabledMessage, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
    return;
  }
  PerformPowerAction(api, action, false);
}

std::string HibernationFilePath(const std::string& startMenuFolder) {
  return startMenuFolder.substr(0, 3) + "hiberfil.sys";
}

}  // namespace dusk
