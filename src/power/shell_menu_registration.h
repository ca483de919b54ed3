// Where the file manager learns of the menu while the program runs: the extension's
// class and the four kinds of places it is offered for, all in the current user's own
// classes, so no administrator rights are needed.
#pragma once
#include <string>
#include <vector>

#include "power/shell_menu_items.h"

namespace dusk {

// On 64-bit Windows, 32- and 64-bit programs each see their own class registrations;
// the 64-bit file manager loads only the 64-bit build of the extension.
enum class RegistryView { Bits32, Bits64 };

// One text value under HKEY_CURRENT_USER; an empty name is the key's default value.
struct RegistrationValue {
  RegistryView view;
  std::string key;
  std::string name;
  std::string text;
};

struct RegistrationKey {
  RegistryView view;
  std::string key;
  bool onlyIfEmpty;  // a key above ours that writing may have made: kept while it holds anything
};

struct ShellMenuRegistration {
  std::vector<RegistrationValue> values;  // written in this order
  std::vector<RegistrationKey> keys;  // removed in this order, every key before the one above it
};

// "{9A87D8EF-337F-4226-AF23-0399C02C9132}"
std::string ClassIdText(const ClassIdentity& id);

// The registration for the builds of the extension beside the program in
// `programFolder`. The 32-bit view comes first, so that where a Windows keeps one set
// of classes for both (as some do for the current user), the 64-bit build named last
// is the one the 64-bit file manager finds.
ShellMenuRegistration PlanShellMenuRegistration(const std::string& programFolder,
                                                bool windowsIs64Bit);

}  // namespace dusk
