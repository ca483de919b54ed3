#include "timer/action_items.h"

namespace dusk {

std::vector<ActionItem> CountdownActionItems(const std::string& osName) {
  std::vector<ActionItem> items{{"Shutdown", "Shutdown", "shut"},
                                {"Restart", "Restart", "Restart"},
                                {"LogOff", "Log Off", "logoff"},
                                {"Standby", "Suspend", "standby"},
                                {"Hibernate", "Hibernate", "hiber"}};
  if (osName == "Windows 2000" || osName == "Windows XP")
    items.push_back({"Lock", "Lock Computer", "lock"});
  return items;
}

}  // namespace dusk
