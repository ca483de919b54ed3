// Colours of the candy button: 32-bit values with red in the lowest byte, then green,
// then blue, and the blends its faces are made of.
#pragma once
#include <cstdint>

namespace dusk {

using Color = uint32_t;

inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kBlack = 0x000000;

constexpr Color MakeColor(int red, int green, int blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
         (static_cast<Color>(blue) << 16);
}

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb&) const = default;
};

Rgb GetRGB(Color color);  // the low 24 bits; system colours are translated by the caller
Color JoinRgb(Rgb rgb);   // channels clamped to 0..255

// c1 + (c2 - c1) * percent / 100 per channel, percent clamped to 0..100, truncated.
Color BlendColors(Color c1, Color c2, int percent);

// c1 + (c2 - c1) * numerator / denominator per channel, each rounded to the nearest
// integer with halves to even: the shaded lines of the fixed-palette faces.
Color ShadeColors(Color c1, Color c2, double numerator, double denominator);

// Nearest integer, halves to even.
int RoundEven(double value);

}  // namespace dusk
