#include "platform/win32/win32_profile.h"

#include <windows.h>

#include <vector>

namespace dusk {

std::string Win32Profile::GetString(const std::string& section, const std::string& key,
                                    const std::string& fallback, std::size_t bufferChars,
                                    const std::string& filePath) {
  if (bufferChars == 0) return "";
  std::vector<char> buffer(bufferChars, '\0');
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                          buffer.data(), static_cast<DWORD>(bufferChars),
                                          filePath.c_str());
  return std::string(buffer.data(), length);
}

bool Win32Profile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& filePath) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    filePath.c_str()) != FALSE;
}

}  // namespace dusk
