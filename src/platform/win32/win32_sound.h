// The warning sound through the multimedia control interface: MP3 and WAV files,
// repeated until stopped. Every failure is silent.
#pragma once
#include "platform/sound.h"

namespace dusk {

class Win32Sound : public SoundPlayer {
 public:
  ~Win32Sound() override { Stop(); }
  void Play(const std::string& path) override;
  void Stop() override;

 private:
  bool open_ = false;
};

}  // namespace dusk
