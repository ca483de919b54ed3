// The settings-store tests on Linux: an INI file in a temporary folder and the
// in-memory registry.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "contract/settings_env.h"
#include "platform/host/ini_file_profile.h"
#include "platform/host/memory_registry.h"

namespace dusk::testing {
namespace {

namespace fs = std::filesystem;

class HostSettingsEnv : public SettingsEnv {
 public:
  HostSettingsEnv() {
    folder_ = fs::temp_directory_path() / ("dusklatch-test-" + std::to_string(::getpid()) + "-" +
                                           std::to_string(counter_++));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  ~HostSettingsEnv() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  ProfileApi& profile() override { return profile_; }
  Registry& registry() override { return registry_; }
  std::string scratchFolder() override { return folder_.string(); }
  std::string readFile(const std::string& path) override {
    std::ifstream in(HostPath(path), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  void writeFile(const std::string& path, const std::string& bytes) override {
    std::ofstream(HostPath(path), std::ios::binary) << bytes;
  }

 private:
  static std::string HostPath(std::string path) {
    for (char& c : path)
      if (c == '\\') c = '/';
    return path;
  }
  static inline int counter_ = 0;
  fs::path folder_;
  IniFileProfile profile_;
  MemoryRegistry registry_;
};

}  // namespace

std::unique_ptr<SettingsEnv> MakeSettingsEnv() { return std::make_unique<HostSettingsEnv>(); }

}  // namespace dusk::testing
