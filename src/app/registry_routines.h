// The program's registry routines; every caller passes the current user's root.
#pragma once
#include <optional>
#include <string>

#include "platform/registry.h"

namespace dusk {

void CreateRegKey(Registry& reg, RegRoot root, const std::string& path);

// The text of a REG_SZ value up to its first NUL; empty ("no value") when the key
// does not open, the value is missing or it has any other type.
std::optional<std::string> ReadRegString(Registry& reg, RegRoot root, const std::string& path,
                                         const std::string& name);

void DeleteRegKey(Registry& reg, RegRoot root, const std::string& path);
void DeleteRegValue(Registry& reg, RegRoot root, const std::string& path, const std::string& name);

}  // namespace dusk
