// The warning sound on the real multimedia interface: whatever the file, playing
// and stopping never fail loudly and never leave a device open.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win32/win32_sound.h"

namespace dusk {
namespace {

std::string WriteSilentWav() {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "timer_sound_test.wav";
  const unsigned rate = 8000, samples = 800;
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

TEST(TimerSound, PlaysStopsAndStaysSilentOnBadFiles) {
  std::string wav = WriteSilentWav();
  {
    Win32Sound sound;
    sound.Play("C:\\no such folder\\missing.mp3");
    sound.Stop();
    sound.Play("");
    sound.Play(wav);
    sound.Play(wav);  // a second start replaces the first
    sound.Stop();
    sound.Stop();
    sound.Play(wav);
  }  // going away stops the sound and closes the device
  // The device alias is free again: nothing was left open.
  char answer[64] = "";
  mciSendStringA("status dusklatch_warning mode", answer, sizeof answer, nullptr);
  EXPECT_STREQ(answer, "");
  DeleteFileA(wav.c_str());
}

}  // namespace
}  // namespace dusk
