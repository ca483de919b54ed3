// What a click on an item of the file manager's menu does in the program.
#pragma once
#include <string>

#include "platform/dialogs.h"
#include "platform/power.h"

namespace dusk {

// The program as the menu's clicks see it.
class ShellMenuClickHost {
 public:
  virtual ~ShellMenuClickHost() = default;
  virtual PowerApi& Power() = 0;
  virtual Dialogs& Messages() = 0;
  virtual std::string HibernationFilePath() const = 0;
  virtual void ShowAbout() = 0;  // not modal: returns at once
};

// The item's text decides, compared exactly. Power requests go out at once and are
// never forced; Hibernate first looks for the hibernation file. Any other text (the
// dividing line, the root item) does nothing.
void RunShellMenuItem(ShellMenuClickHost& host, const std::string& itemText);

// The same for a click that carries the item's position in the submenu; a position
// outside it does nothing.
void RunShellMenuClick(ShellMenuClickHost& host, unsigned long position);

}  // namespace dusk
