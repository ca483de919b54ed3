#include "schedule/confirmation.h"

#include "power/power_actions.h"

namespace dusk {

std::string ConfirmationMessage(const std::string& word) {
  if (word == "Restart") return "Schedule Detected.Your computer will Restart in 15 seconds";
  if (word == "Shutdown") return "Schedule Detected. Your computer will Shutdown in 15 seconds";
  if (word == "Hibernate") return "Schedule Detected.Your computer will Hibernate in 15 seconds";
  if (word == "Lock") return "Schedule Detected. Your computer will be locked in 15 seconds";
  if (word == "Log Off") return "Schedule Detected.Your computer will be Logged off in 15 seconds";
  if (word == "Suspend") return "Schedule Detected.Your computer will Suspend in 15 seconds";
  return {};
}

std::string ConfirmationFinalMessage(const std::string& word) {
  if (word == "Restart") return "Schedule Detected your computer will Restart in 15 seconds";
  return ConfirmationMessage(word);
}

bool RequestScheduledAction(PowerApi& power, const std::string& word) {
  if (word == "Restart") return ExitWindowsAction(power, kEwxReboot, true);
  if (word == "Shutdown") return ExitWindowsAction(power, kEwxPowerOff, true);
  if (word == "Log Off") return ExitWindowsAction(power, kEwxLogOff, true);
  if (word == "Hibernate") return SuspendMachine(power, 1, true, false);
  if (word == "Suspend") return SuspendMachine(power, 0, true, false);
  if (word == "Lock") return LockComputer(power);
  return false;
}

}  // namespace dusk
