// The test build of the program: everything real except the power service and the
// shell's cleaning calls (recycle bin, recent documents, starting the batch files),
// which append each request, in the order made, to power-requests.log beside the
// executable.
#include <windows.h>

#include <fstream>
#include <string>

#include "app/win/program.h"
#include "platform/host/recording_power.h"
#include "platform/host/recording_shell_cleaning.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"

namespace {

std::string LogPath() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string log(path);
  const auto slash = log.find_last_of('\\');
  return (slash == std::string::npos ? std::string() : log.substr(0, slash + 1)) + "power-requests.log";
}

// Requests are only recorded; what the system has on disk is real.
class RecordingProgramPower : public dusk::RecordingPower {
 public:
  bool FileExists(const std::string& path) override { return dusk::FileExistsWithAnyAttributes(path); }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  RecordingProgramPower power;
  power.version = dusk::QuerySystemVersion();
  const std::string log = LogPath();
  auto append = [log](const std::string& line) {
    std::ofstream out(log, std::ios::app);
    out << line << "\n";
  };
  power.sink = append;
  dusk::RecordingShellCleaning shellCleaning;
  shellCleaning.sink = append;
  dusk::Win32Dialogs dialogs;
  dusk::Win32Clock clock;
  dusk::Win32Profile profile;
  dusk::Win32Registry registry;
  dusk::ProgramServices services{power, dialogs, clock, profile, registry, shellCleaning};
  return dusk::RunProgram(instance, services);
}
