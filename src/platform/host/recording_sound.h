// A sound player that records what it was asked to do.
#pragma once
#include <string>
#include <vector>

#include "platform/sound.h"

namespace dusk {

class RecordingSound : public SoundPlayer {
 public:
  void Play(const std::string& path) override { calls.push_back("play " + path); }
  void Stop() override { calls.push_back("stop"); }
  std::vector<std::string> calls;
};

}  // namespace dusk
