#include "platform/registry.h"

namespace dusk {

RegValue StringValue(const std::string& text) {
  RegValue v;
  v.type = regtype::Sz;
  v.data = text;
  v.data.push_back('\0');
  return v;
}

}  // namespace dusk
