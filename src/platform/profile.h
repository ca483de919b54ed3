// The INI profile service: the rules of the Windows private-profile calls.
#pragma once
#include <cstddef>
#include <string>

namespace dusk {

class ProfileApi {
 public:
  virtual ~ProfileApi() = default;
  // As GetPrivateProfileStringA: sections and keys match without regard to case,
  // surrounding blanks and a pair of surrounding quotes are dropped from the value,
  // and at most bufferChars - 1 characters come back. A missing file, section or
  // key gives `fallback`.
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& fallback, std::size_t bufferChars,
                                const std::string& filePath) = 0;
  // As WritePrivateProfileStringA: creates the file, section or key as needed.
  virtual bool WriteString(const std::string& section, const std::string& key,
                           const std::string& value, const std::string& filePath) = 0;
};

}  // namespace dusk
