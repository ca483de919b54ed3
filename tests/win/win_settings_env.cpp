// The settings-store tests under Wine: the real profile calls on a file in a
// temporary folder and the real registry of the throwaway prefix.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "contract/settings_env.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"

namespace dusk::testing {
namespace {

std::string TempFolder() {
  char buffer[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, buffer);
  return buffer;
}

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name != "." && name != "..") DeleteFileA((folder + "\\" + name).c_str());
    } while (FindNextFileA(h, &found));
    FindClose(h);
  }
  RemoveDirectoryA(folder.c_str());
}

class WinSettingsEnv : public SettingsEnv {
 public:
  WinSettingsEnv() {
    folder_ = TempFolder() + "dusklatch-test-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(counter_++);
    RemoveFolder(folder_);
    CreateDirectoryA(folder_.c_str(), nullptr);
  }
  ~WinSettingsEnv() override { RemoveFolder(folder_); }
  ProfileApi& profile() override { return profile_; }
  Registry& registry() override { return registry_; }
  std::string scratchFolder() override { return folder_; }
  std::string readFile(const std::string& path) override {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  void writeFile(const std::string& path, const std::string& bytes) override {
    std::ofstream(path, std::ios::binary) << bytes;
  }

 private:
  static inline int counter_ = 0;
  std::string folder_;
  Win32Profile profile_;
  Win32Registry registry_;
};

}  // namespace

std::unique_ptr<SettingsEnv> MakeSettingsEnv() { return std::make_unique<WinSettingsEnv>(); }

}  // namespace dusk::testing
