#include "platform/host/recording_power.h"

namespace dusk {

void RecordingPower::Record(const std::string& line) {
  requests_.push_back(line);
  if (sink) sink(line);
}

void RecordingPower::SetShutdownPrivilege(bool enable) {
  Record(enable ? "privilege on" : "privilege off");
}

bool RecordingPower::ExitWindowsEx(unsigned flags) {
  Record("ExitWindowsEx " + std::to_string(flags));
  return accept;
}

bool RecordingPower::SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) {
  Record(std::string("SetSuspendState ") + (hibernate ? "1" : "0") + " " + (forceCritical ? "1" : "0") +
         " " + (disableWakeEvent ? "1" : "0"));
  return accept;
}

bool RecordingPower::LockWorkStation() {
  Record("LockWorkStation");
  return accept;
}

}  // namespace dusk
