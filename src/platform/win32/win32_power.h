// The real power, session and version calls. Never linked into a test program.
#pragma once
#include "platform/power.h"

namespace dusk {

class Win32Power : public PowerApi {
 public:
  OsVersionNumbers GetVersion() override;
  void SetShutdownPrivilege(bool enable) override;
  bool ExitWindowsEx(unsigned flags) override;
  bool SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override;
  bool LockWorkStation() override;
  bool FileExists(const std::string& path) override;
};

// The version and file queries alone, safe for tests: the requests are refused.
OsVersionNumbers QuerySystemVersion();
bool FileExistsWithAnyAttributes(const std::string& path);

}  // namespace dusk
