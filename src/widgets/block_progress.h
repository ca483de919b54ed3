// The sweeping block progress bar without its window: properties, the sweep of its two
// ends, the colours each end carries and where the white separators go.
#pragma once
#include <cstdint>
#include <vector>

#include "widgets/property_bag.h"

namespace dusk {

inline constexpr uint32_t kUpbOrange = 33023;        // red 255, green 128, blue 0
inline constexpr uint32_t kUpbPaleOrange = 12640511; // red 255, green 224, blue 192
inline constexpr uint32_t kUpbWhite = 16777215;
inline constexpr int kUpbEdgeEtched = 6;
inline constexpr int kUpbBlockSpacing = 10;
inline constexpr int kUpbBlockWidth = 2;

struct BlockProgressProps {
  int32_t borders = kUpbEdgeEtched;
  int16_t fore_speed = 8;
  int16_t delay = 16;
  uint32_t fore_color = kUpbOrange;
  uint32_t follow_color = kUpbWhite;
  bool vertical_colors = false;
  bool blocks = true;
};

int16_t ClampUpbSpeed(int value);  // 1..60
int16_t ClampUpbDelay(int value);  // 1..60

struct BlockSweep {
  int32_t head = 0;
  int32_t tail = 0;
  int16_t direction = 0;  // 0 sweeping right, -1 sweeping left

  // One timer tick over a bar `width` pixels wide; true when the tick moved an end (and
  // so must be drawn), false when it only turned the direction.
  bool Step(int width, int speed);
  void Reset() { head = tail = 0; }  // the direction is kept

  // The leading end always carries the fore colour.
  uint32_t HeadColor(const BlockProgressProps& props) const;
  uint32_t TailColor(const BlockProgressProps& props) const;
};

// x positions of the white separators: 0, 10, 20, ... up to and including the head.
std::vector<int> BlockSeparatorPositions(int head);

// A colour channel widened for a gradient vertex (value x 256).
uint16_t GradientChannel(uint32_t color, int channel);  // channel 0 red, 1 green, 2 blue

void SaveBlockProgress(const BlockProgressProps& props, PropertyBag& bag);
// Absent values take the stored-set defaults, which differ from a new control's.
BlockProgressProps LoadBlockProgress(const PropertyBag& bag);

}  // namespace dusk
