// The profile service on the real GetPrivateProfileStringA / WritePrivateProfileStringA.
#pragma once
#include "platform/profile.h"

namespace dusk {

class Win32Profile : public ProfileApi {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback, std::size_t bufferChars,
                        const std::string& filePath) override;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& filePath) override;
};

}  // namespace dusk
