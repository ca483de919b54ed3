// A control's stored property set: named integer values, read back with a default when
// absent, and left out when written equal to that default.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace dusk {

class PropertyBag {
 public:
  void Write(const std::string& name, int64_t value, int64_t default_value);
  int64_t Read(const std::string& name, int64_t default_value) const;

  bool Contains(const std::string& name) const { return values_.count(name) != 0; }
  std::optional<int64_t> Find(const std::string& name) const;
  size_t size() const { return values_.size(); }

 private:
  std::map<std::string, int64_t> values_;
};

}  // namespace dusk
