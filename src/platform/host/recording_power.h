// A power service that carries out nothing: it records every request as a line
// of text and reports the version a test chooses.
#pragma once
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/power.h"

namespace dusk {

class RecordingPower : public PowerApi {
 public:
  OsVersionNumbers version{2, 5, 1};   // Windows XP
  std::set<std::string> existingFiles;  // paths FileExists answers true for
  bool accept = true;                   // what the requests return
  // Called with each recorded line as well (the e2e program appends them to a file).
  std::function<void(const std::string&)> sink;

  const std::vector<std::string>& requests() const { return requests_; }

  OsVersionNumbers GetVersion() override { return version; }
  void SetShutdownPrivilege(bool enable) override;
  bool ExitWindowsEx(unsigned flags) override;
  bool SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override;
  bool LockWorkStation() override;
  bool FileExists(const std::string& path) override { return existingFiles.count(path) > 0; }

 private:
  void Record(const std::string& line);
  std::vector<std::string> requests_;
};

}  // namespace dusk
