// Comparison without regard to letter case, as the profile and registry calls do.
#pragma once
#include <string>

namespace dusk {

bool EqualsNoCase(const std::string& a, const std::string& b);
std::string ToLowerAscii(std::string text);

}  // namespace dusk
