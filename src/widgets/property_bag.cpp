#include "widgets/property_bag.h"

namespace dusk {

void PropertyBag::Write(const std::string& name, int64_t value, int64_t default_value) {
  if (value == default_value) {
    values_.erase(name);  // a value equal to its default is not kept
    return;
  }
  values_[name] = value;
}

int64_t PropertyBag::Read(const std::string& name, int64_t default_value) const {
  auto found = values_.find(name);
  return found == values_.end() ? default_value : found->second;
}

std::optional<int64_t> PropertyBag::Find(const std::string& name) const {
  auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

}  // namespace dusk
