#include "app/closing_order.h"

#include "app/exit_origin.h"

namespace dusk {

std::vector<std::string> ClosingOrder(ExitOrigin origin) {
  std::vector<std::string> order{"frmMain1", "frmAbout", "frmSkinTray"};
  if (origin == ExitOrigin::TrayMenu) {
    for (const char* name : {"Schedule", "hotkey", "timeleft", "toolfrm", "validate", "Form1",
                             "Form2", "Form3", "Form4"})
      order.emplace_back(name);
  }
  return order;
}

}  // namespace dusk
