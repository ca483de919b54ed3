#include "cleaner/normalise_path.h"

namespace dusk {

std::string NormalisePath(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path;
  return path + "\\";
}

}  // namespace dusk
