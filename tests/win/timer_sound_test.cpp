// The warning sound on the real multimedia interface: a sound file plays until it is
// stopped, a second start replaces the first, a file that cannot be played stays
// silent, and nothing leaves a device open. The test prefix has a sound device that
// plays in real time into nothing, so "playing" means what it says.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win32/win32_sound.h"

namespace dusk {
namespace {

// Thirty seconds of silence: long enough to be still playing when looked at.
std::string WriteSilentWav() {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "timer_sound_test.wav";
  const unsigned rate = 8000, samples = 30 * rate;
  unsigned char header[44] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                              16, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 8, 0,
                              'd', 'a', 't', 'a', 0, 0, 0, 0};
  auto put32 = [&](int at, unsigned v) { std::memcpy(header + at, &v, 4); };
  put32(4, 36 + samples);
  put32(24, rate);
  put32(28, rate);
  put32(40, samples);
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(header, sizeof header, 1, f);
  for (unsigned i = 0; i < samples; ++i) std::fputc(128, f);
  std::fclose(f);
  return path;
}

// What the device behind the player's alias is doing; empty when none is open.
std::string DeviceMode() {
  char answer[64] = "";
  mciSendStringA("status dusklatch_warning mode", answer, sizeof answer, nullptr);
  return answer;
}

TEST(TimerSound, PlaysUntilStoppedAndStaysSilentOnBadFiles) {
  std::string wav = WriteSilentWav();
  {
    Win32Sound sound;
    sound.Play("C:\\no such folder\\missing.mp3");
    EXPECT_EQ(DeviceMode(), "");
    sound.Play("");
    EXPECT_EQ(DeviceMode(), "");
    sound.Play(wav);
    EXPECT_EQ(DeviceMode(), "playing");
    sound.Play(wav);  // a second start replaces the first
    EXPECT_EQ(DeviceMode(), "playing");
    sound.Stop();
    EXPECT_EQ(DeviceMode(), "");
    sound.Stop();
    sound.Play(wav);
    EXPECT_EQ(DeviceMode(), "playing");
  }  // going away stops the sound and closes the device
  EXPECT_EQ(DeviceMode(), "");
  DeleteFileA(wav.c_str());
}

}  // namespace
}  // namespace dusk
