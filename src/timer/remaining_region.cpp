#include "timer/remaining_region.h"

namespace dusk {

RoundRectSpec RemainingWindowOutline(long twipsPerPixelX, long twipsPerPixelY) {
  if (twipsPerPixelX <= 0) twipsPerPixelX = 15;
  if (twipsPerPixelY <= 0) twipsPerPixelY = 15;
  auto x = [&](long v) { return v * 15 / twipsPerPixelX; };
  auto y = [&](long v) { return v * 15 / twipsPerPixelY; };
  return {x(55), y(11), x(303), y(57), x(20), y(18)};
}

}  // namespace dusk
