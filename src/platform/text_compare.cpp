#include "platform/text_compare.h"

namespace dusk {

std::string ToLowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && ToLowerAscii(a) == ToLowerAscii(b);
}

}  // namespace dusk
