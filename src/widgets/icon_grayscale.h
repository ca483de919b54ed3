// The grey copy of an icon shown on a disabled button.
#pragma once
#include "widgets/candy_color.h"

namespace dusk {

// True for the greys an icon keeps as they are: equal channels of 0, 16, ..., 128,
// 160, ..., 240, and white.
bool IsKeptGrey(Color color);

// 0.59 green + 0.33 red + 0.11 blue, rounded with halves to even and capped at 255, as a
// grey; a kept grey is returned unchanged.
Color GreyscalePixel(Color color);

}  // namespace dusk
