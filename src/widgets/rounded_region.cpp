#include "widgets/rounded_region.h"

#include <cmath>

namespace dusk {

int TwipsToPixels(double twips, double twips_per_pixel) {
  if (twips_per_pixel <= 0) return 0;
  return static_cast<int>(std::nearbyint(twips / twips_per_pixel));
}

int CornerPixels(double corner) { return static_cast<int>(std::nearbyint(corner)); }

}  // namespace dusk
