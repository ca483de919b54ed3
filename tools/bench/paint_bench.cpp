// What one picture of the program's own controls costs: the candy face painted in
// memory, a whole candy button drawn and a themed button painted, each with its
// caption. Prints one line per measure; a yardstick for changes, not a check.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "widgets/candy_face.h"
#include "widgets/win/candy_button.h"
#include "widgets/win/themed_button.h"

namespace {

constexpr int kRounds = 500;

template <typename Step>
double MicrosecondsPerRound(Step step) {
  step(0);  // the first round pays for fonts and caches
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i) step(i);
  const auto spent = std::chrono::steady_clock::now() - start;
  return std::chrono::duration<double, std::micro>(spent).count() / kRounds;
}

}  // namespace

int main() {
  using namespace dusk;
  unsigned sink = 0;  // keeps the painting from being optimised away
  const double face = MicrosecondsPerRound([&](int i) {
    Canvas canvas(100, 30);
    CandyFace look;
    look.style = 2 + i % 2;
    look.state = i % 5;
    PaintCandyFace(canvas, look);
    sink ^= canvas.At(50, 15);
  });
  std::printf("candy face 100 x 30 in memory:           %8.1f microseconds\n", face);

  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 120, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  HWND candy = CreateCandyButton(parent, 1, "Save settings", 0, 0, 100, 30);
  SetCandyStyle(candy, 2);
  const double candyMs = MicrosecondsPerRound([&](int i) { DrawCandyButton(candy, i % 4); }) / 1000;
  std::printf("candy button 100 x 30 with caption:      %8.3f ms\n", candyMs);

  HWND themed = CreateThemedButton(parent, 2, "&Enable Timer", 0, 40, 150, 34, 9);
  const double themedMs = MicrosecondsPerRound([&](int i) { ForceThemedLook(themed, 1 + i % 4, false); }) / 1000;
  std::printf("themed button 150 x 34 style 9 painted:  %8.3f ms\n", themedMs);

  DestroyWindow(parent);
  return static_cast<int>(sink & 0);
}
