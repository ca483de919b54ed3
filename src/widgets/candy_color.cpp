#include "widgets/candy_color.h"

#include <algorithm>
#include <cmath>

namespace dusk {

Rgb GetRGB(Color color) {
  return {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
          static_cast<int>((color >> 16) & 0xFF)};
}

Color JoinRgb(Rgb rgb) {
  return MakeColor(std::clamp(rgb.red, 0, 255), std::clamp(rgb.green, 0, 255),
                   std::clamp(rgb.blue, 0, 255));
}

Color BlendColors(Color c1, Color c2, int percent) {
  const int p = std::clamp(percent, 0, 100);
  const Rgb a = GetRGB(c1);
  const Rgb b = GetRGB(c2);
  // Integer division truncates toward zero, which is the rule for darkening blends too.
  return JoinRgb({a.red + (b.red - a.red) * p / 100, a.green + (b.green - a.green) * p / 100,
                  a.blue + (b.blue - a.blue) * p / 100});
}

int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

Color ShadeColors(Color c1, Color c2, double numerator, double denominator) {
  const Rgb a = GetRGB(c1);
  const Rgb b = GetRGB(c2);
  const double t = denominator == 0 ? 0.0 : numerator / denominator;
  return JoinRgb({RoundEven(a.red + (b.red - a.red) * t), RoundEven(a.green + (b.green - a.green) * t),
                  RoundEven(a.blue + (b.blue - a.blue) * t)});
}

}  // namespace dusk
