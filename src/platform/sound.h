// Plays the warning sound (MP3 or WAV) until stopped; a file that cannot be
// played stays silent and reports nothing.
#pragma once
#include <string>

namespace dusk {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void Play(const std::string& path) = 0;
  virtual void Stop() = 0;
};

}  // namespace dusk
