// What the settings-store tests need from the side they run on: the host's portable
// services on Linux, the real Win32 calls under Wine. Both must pass the same tests.
#pragma once
#include <memory>
#include <string>

#include "platform/profile.h"
#include "platform/registry.h"

namespace dusk::testing {

class SettingsEnv {
 public:
  virtual ~SettingsEnv() = default;
  virtual ProfileApi& profile() = 0;
  virtual Registry& registry() = 0;
  // A folder, in the platform's path form, that is empty at the start of each test.
  virtual std::string scratchFolder() = 0;
  // A file's bytes, or empty when missing.
  virtual std::string readFile(const std::string& path) = 0;
  virtual void writeFile(const std::string& path, const std::string& bytes) = 0;
};

std::unique_ptr<SettingsEnv> MakeSettingsEnv();

// A registry key under HKEY_CURRENT_USER that each test may fill; removed afterwards.
inline constexpr const char* kScratchKey = "Software\\DusklatchTests";

}  // namespace dusk::testing
