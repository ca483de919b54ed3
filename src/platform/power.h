// The operating system's power, session and version calls.
#pragma once
#include <string>

namespace dusk {

// What GetVersionExA reports.
struct OsVersionNumbers {
  int platformId = 0;  // 0 Win32s, 1 the 95 family, 2 the NT family
  int major = 0;
  int minor = 0;
};

class PowerApi {
 public:
  virtual ~PowerApi() = default;
  virtual OsVersionNumbers GetVersion() = 0;
  // Switches SeShutdownPrivilege of the process token on or off; failures are ignored.
  virtual void SetShutdownPrivilege(bool enable) = 0;
  virtual bool ExitWindowsEx(unsigned flags) = 0;
  virtual bool SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) = 0;
  virtual bool LockWorkStation() = 0;
  // True for a file of any attributes (normal, read-only, hidden, system).
  virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace dusk
