// The profile rules of Windows on an ordinary file, for tests on Linux.
#pragma once
#include "platform/profile.h"

namespace dusk {

class IniFileProfile : public ProfileApi {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback, std::size_t bufferChars,
                        const std::string& filePath) override;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& filePath) override;
};

}  // namespace dusk
