// A folder path with the trailing backslash that file names are appended to.
#pragma once
#include <string>

namespace dusk {

// The path with a backslash appended unless it already ends in one; "" gives "\".
std::string NormalisePath(const std::string& path);

}  // namespace dusk
