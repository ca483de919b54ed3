#include "widgets/icon_grayscale.h"

#include <algorithm>

namespace dusk {

bool IsKeptGrey(Color color) {
  const Rgb c = GetRGB(color);
  if (c.red != c.green || c.green != c.blue) return false;
  if (c.red == 255) return true;
  // 144 is left out of the steps of 16: it is converted like any colour.
  return c.red % 16 == 0 && c.red != 144;
}

Color GreyscalePixel(Color color) {
  if (IsKeptGrey(color)) return color & 0xFFFFFF;
  const Rgb c = GetRGB(color);
  const int grey = std::min(RoundEven(0.59 * c.green + 0.33 * c.red + 0.11 * c.blue), 255);
  return MakeColor(grey, grey, grey);
}

}  // namespace dusk
