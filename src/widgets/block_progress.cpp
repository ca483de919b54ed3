#include "widgets/block_progress.h"

#include <algorithm>

namespace dusk {

namespace {
int16_t ClampTo1to60(int value) { return static_cast<int16_t>(std::clamp(value, 1, 60)); }

// Defaults of the stored property set (not those of a newly placed control).
constexpr int64_t kStoredForeColor = 0;
constexpr int64_t kStoredFollowColor = 0;
constexpr int64_t kStoredVertical = 0;
constexpr int64_t kStoredBlocks = 1;
constexpr int64_t kStoredBorders = 0;
constexpr int64_t kStoredDelay = 16;
constexpr int64_t kStoredForeSpeed = 6;
}  // namespace

int16_t ClampUpbSpeed(int value) { return ClampTo1to60(value); }
int16_t ClampUpbDelay(int value) { return ClampTo1to60(value); }

bool BlockSweep::Step(int width, int speed) {
  if (direction == 0) {
    if (head < width) {
      head += speed;
      return true;
    }
    if (tail < width) {
      tail += speed;
      return true;
    }
    direction = -1;
    return false;
  }
  if (head > 0 && tail > 0) {
    tail -= speed;
    return true;
  }
  if (tail <= 0 && head > 0) {
    head -= speed;
    return true;
  }
  direction = 0;
  return false;
}

uint32_t BlockSweep::HeadColor(const BlockProgressProps& props) const {
  return direction == 0 ? props.fore_color : props.follow_color;
}

uint32_t BlockSweep::TailColor(const BlockProgressProps& props) const {
  return direction == 0 ? props.follow_color : props.fore_color;
}

std::vector<int> BlockSeparatorPositions(int head) {
  std::vector<int> xs;
  for (int x = 0; x <= head; x += kUpbBlockSpacing) xs.push_back(x);
  return xs;
}

uint16_t GradientChannel(uint32_t color, int channel) {
  return static_cast<uint16_t>(((color >> (8 * channel)) & 0xFF) * 256);
}

void SaveBlockProgress(const BlockProgressProps& props, PropertyBag& bag) {
  bag.Write("ForeColor", props.fore_color, kStoredForeColor);
  bag.Write("FollowColor", props.follow_color, kStoredFollowColor);
  bag.Write("VerticalColors", props.vertical_colors ? 1 : 0, kStoredVertical);
  bag.Write("Blocks", props.blocks ? 1 : 0, kStoredBlocks);
  bag.Write("Borders", props.borders, kStoredBorders);
  bag.Write("Delay", props.delay, kStoredDelay);
  bag.Write("ForeSpeed", props.fore_speed, kStoredForeSpeed);
}

BlockProgressProps LoadBlockProgress(const PropertyBag& bag) {
  BlockProgressProps props;
  props.fore_color = static_cast<uint32_t>(bag.Read("ForeColor", kStoredForeColor));
  props.follow_color = static_cast<uint32_t>(bag.Read("FollowColor", kStoredFollowColor));
  props.vertical_colors = bag.Read("VerticalColors", kStoredVertical) != 0;
  props.blocks = bag.Read("Blocks", kStoredBlocks) != 0;
  props.borders = static_cast<int32_t>(bag.Read("Borders", kStoredBorders));
  props.delay = ClampUpbDelay(static_cast<int>(bag.Read("Delay", kStoredDelay)));
  props.fore_speed = ClampUpbSpeed(static_cast<int>(bag.Read("ForeSpeed", kStoredForeSpeed)));
  return props;
}

}  // namespace dusk
