// A settings file in memory that remembers the order of its writes.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/profile.h"

namespace dusk {

class OrderedMemoryProfile : public ProfileApi {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback, std::size_t, const std::string&) override {
    auto found = values.find(section + "/" + key);
    return found == values.end() ? fallback : found->second;
  }
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string&) override {
    values[section + "/" + key] = value;
    writes.push_back(section + "/" + key + "=" + value);
    return true;
  }
  std::map<std::string, std::string> values;  // "section/key" as written
  std::vector<std::string> writes;
};

}  // namespace dusk
