#include "app/tray_menu_items.h"

namespace dusk {
namespace {

// The text after `marker` up to the next "|", or empty.
std::string PartAfter(std::string_view caption, std::string_view marker) {
  const auto at = caption.find(marker);
  if (at == std::string_view::npos) return {};
  const std::string_view rest = caption.substr(at + marker.size());
  return std::string(rest.substr(0, rest.find('|')));
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

CaptionParts SplitCaption(std::string_view caption) {
  CaptionParts parts;
  parts.text = std::string(caption.substr(0, caption.find('|')));
  parts.description = PartAfter(caption, "|@");
  parts.pictureKey = PartAfter(caption, "|#");
  return parts;
}

const std::vector<std::string>& TrayPictureKeys() {
  static const std::vector<std::string> keys = {
      "checkxp", "ie",     "rec1",  "hist",   "coo",     "pai1", "paint", "int",  "home", "arr1",
      "star",    "abc",    "del",   "standby", "Restart", "hiber", "new",  "shut", "logoff", "lock",
      "open",    "sch",    "saveall", "exit",  "cut",     "copy", "paste", "info "};
  return keys;
}

std::optional<int> TrayPictureIndex(std::string_view key) {
  const auto& keys = TrayPictureKeys();
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return static_cast<int>(i);
  const std::string_view wanted = Trimmed(key);
  if (wanted.empty()) return std::nullopt;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (Trimmed(keys[i]) == wanted) return static_cast<int>(i);
  return std::nullopt;
}

const std::vector<TrayMenuItem>& TrayMenuTopItems() {
  static const std::vector<TrayMenuItem> items = {
      {"mnuabout", "About||#info", TrayCommand::About},
      {"clr", "Clear Privacy data|@Clear Privacy Data|#checkxp", TrayCommand::ClearPrivacyData},
      {"Shdown", "Shutdown|@Shutdown Computer|#shut", TrayCommand::Shutdown, {}, true},
      {"restart", "Restart|@Restart computer|#Restart", TrayCommand::Restart},
      {"standby", "StandBy|@Standby|#standby", TrayCommand::StandBy},
      {"hiber", "Hibernate|@Hibernate|#hiber", TrayCommand::Hibernate},
      {"logoff", "Log off|@Log Off computer|#logoff", TrayCommand::LogOff},
      {"lock", "Lock computer|@Lock your computer|#lock", TrayCommand::Lock},
      {"sch", "Add a schedule|@Delete All|#sch", TrayCommand::AddSchedule, {}, true},
      {"main", "Open Main window|@Delete All|#home", TrayCommand::OpenMainWindow},
      {"mnuExit", "Exit|@Exit from Dusklatch|#exit", TrayCommand::Exit, {}, true},
  };
  return items;
}

const std::vector<TrayMenuItem>& TrayMenuCleaningItems() {
  using C = CleaningCommand;
  constexpr auto kClean = TrayCommand::Clean;
  static const std::vector<TrayMenuItem> items = {
      {"delall", "Delete All|@Delete All|#del", kClean, C::DeleteAll},
      {"cleartemp", "Clear Temporary Files|@Delete All|#new", kClean, C::ClearTemp, true},
      {"recbin", "Empty Recycle Bin|@Delete All|#rec1", kClean, C::EmptyRecycleBin},
      {"doclist", "Erase Recent Document List|@Delete All|#star", kClean, C::EraseRecentDocs},
      {"IEurl", "Clear typed URLs in IE|@Delete All|#ie", kClean, C::ClearTypedUrls},
      {"IEhistory", "Delete history of IE|@Delete All|#hist", kClean, C::ClearUrlHistory},
      {"wmphist", "Clear Windows Media Player History|@Delete All|#arr1", kClean, C::ClearMediaPlayer},
      {"cookies", "Clear cookies|@Delete All|#coo", kClean, C::ClearCookies},
      {"pbhist", "Clear Painbrush History|@Delete All|#pai1", kClean, C::ClearPaintHistory},
  };
  return items;
}

std::optional<PowerAction> TrayPowerAction(TrayCommand command) {
  switch (command) {
    case TrayCommand::Shutdown: return PowerAction::Shutdown;
    case TrayCommand::Restart: return PowerAction::Restart;
    case TrayCommand::StandBy: return PowerAction::StandBy;
    case TrayCommand::Hibernate: return PowerAction::Hibernate;
    case TrayCommand::LogOff: return PowerAction::LogOff;
    case TrayCommand::Lock: return PowerAction::Lock;
    default: return std::nullopt;
  }
}

bool TrayCommandAvailable(TrayCommand command, const OsVersionInfo& os) {
  const auto action = TrayPowerAction(command);
  if (!action) return true;
  switch (*action) {
    case PowerAction::Lock: return LockAllowed(os);
    case PowerAction::StandBy:
    case PowerAction::Hibernate: return SuspendAllowed(os);
    default: return true;  // exit-windows requests go to every system
  }
}

MenuKeyChoice ChooseByKey(const std::vector<MenuKeyItem>& items, char key, int current) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  std::vector<int> matches;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].enabled && !items[i].text.empty() && lower(items[i].text[0]) == lower(key))
      matches.push_back(static_cast<int>(i));
  if (matches.empty()) return {};
  if (matches.size() == 1) return {matches[0], true};
  for (int position : matches)
    if (position > current) return {position, false};
  return {matches[0], false};
}

}  // namespace dusk
