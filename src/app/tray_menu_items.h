// What the tray menu holds: its items in order, with the captions they are stored
// under ("text|@description|#picture key"), the picture list's keys and which items
// the running system can carry out.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/cleaning_commands.h"
#include "power/power_actions.h"

namespace dusk {

enum class TrayCommand {
  About,
  ClearPrivacyData,  // opens the cleaning sub-menu, runs nothing itself
  Shutdown,
  Restart,
  StandBy,
  Hibernate,
  LogOff,
  Lock,
  AddSchedule,
  OpenMainWindow,
  Exit,
  Clean,  // one of the cleaning commands
};

struct TrayMenuItem {
  const char* name;     // the item's name, e.g. "Shdown"
  const char* caption;  // as stored: text, then "|@" description, then "|#" picture key
  TrayCommand command;
  CleaningCommand cleaning = CleaningCommand::DeleteAll;  // for TrayCommand::Clean
  bool separatorBefore = false;  // a dividing line above the item
};

// The parts of a stored caption. Only `text` is ever shown.
struct CaptionParts {
  std::string text;         // before the first "|"
  std::string description;  // after "|@", up to the next "|"
  std::string pictureKey;   // after "|#", up to the next "|"
};
CaptionParts SplitCaption(std::string_view caption);

// The keys of the picture list, in the order of its pictures.
const std::vector<std::string>& TrayPictureKeys();
// The picture for `key`: keys match exactly or, failing that, without surrounding
// blanks (the list stores "info " with a trailing space). None for an unknown key.
std::optional<int> TrayPictureIndex(std::string_view key);

// The menu, top to bottom, and the cleaning sub-menu under "Clear Privacy data".
const std::vector<TrayMenuItem>& TrayMenuTopItems();
const std::vector<TrayMenuItem>& TrayMenuCleaningItems();

// The power action a command carries out, if it is one.
std::optional<PowerAction> TrayPowerAction(TrayCommand command);
// False for a power command the power code refuses on this system (lock outside
// Windows 2000 and XP, stand by and hibernate where suspending is refused); such
// an item is shown greyed. Every other item is always available.
bool TrayCommandAvailable(TrayCommand command, const OsVersionInfo& os);

// A letter typed while the menu is open: the only available item whose text starts
// with it (any case) is chosen; with several, the next one after `current` (wrapping)
// is highlighted. Position -1 when no item matches.
struct MenuKeyItem {
  std::string text;  // empty for a dividing line
  bool enabled = true;
};
struct MenuKeyChoice {
  int position = -1;
  bool execute = false;
};
MenuKeyChoice ChooseByKey(const std::vector<MenuKeyItem>& items, char key, int current);

}  // namespace dusk
