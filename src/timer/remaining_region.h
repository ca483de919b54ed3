// The visible outline of the remaining-time window: a rounded rectangle laid out
// for a 96-dots-per-inch screen and scaled to the screen in use.
#pragma once

namespace dusk {

struct RoundRectSpec {
  long left, top, right, bottom;
  long ellipseWidth, ellipseHeight;
};

// Each value is multiplied by 15 and divided by the twips per pixel of its axis.
RoundRectSpec RemainingWindowOutline(long twipsPerPixelX, long twipsPerPixelY);

}  // namespace dusk
