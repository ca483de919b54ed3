// Sizes for a window's rounded outline: twips back to whole pixels.
#pragma once

namespace dusk {

// Rounded to the nearest integer, halves to even.
int TwipsToPixels(double twips, double twips_per_pixel);
int CornerPixels(double corner);

}  // namespace dusk
