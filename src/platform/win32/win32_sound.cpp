#include "platform/win32/win32_sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace dusk {
namespace {

constexpr const char* kAlias = "dusklatch_warning";

bool Mci(const std::string& command) {
  return mciSendStringA(command.c_str(), nullptr, 0, nullptr) == 0;
}

}  // namespace

void Win32Sound::Play(const std::string& path) {
  Stop();
  if (path.empty()) return;
  // The DirectShow device plays both formats and can repeat; where it is missing,
  // let the system pick the device by the file's extension.
  std::string quoted = "\"" + path + "\"";
  open_ = Mci("open " + quoted + " type mpegvideo alias " + kAlias) ||
          Mci("open " + quoted + " alias " + kAlias);
  if (!open_) return;
  if (!Mci(std::string("play ") + kAlias + " repeat")) Mci(std::string("play ") + kAlias);
}

void Win32Sound::Stop() {
  if (!open_) return;
  Mci(std::string("stop ") + kAlias);
  Mci(std::string("close ") + kAlias);
  open_ = false;
}

}  // namespace dusk
