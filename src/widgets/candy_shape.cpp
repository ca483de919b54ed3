#include "widgets/candy_shape.h"

#include <algorithm>

namespace dusk {

bool CandyStyleIsRounded(int style) { return style >= 2 && style <= 7; }

int CandyCornerRadius(int style, int width, int height) {
  switch (style) {
    case 3:
      return 12;
    case 2:
    case 4:
    case 5:
      return std::clamp(height / 2 + 1, 1, std::max(width / 2, 1));
    case 6:
      return std::clamp(height / 3, 1, std::max(width / 3, 1));
    case 7:
      return std::clamp(height / 4 + 1, 1, std::max(width / 4, 1));
    default:
      return 0;
  }
}

bool RoundRect::Contains(int x, int y) const {
  if (x < left || x >= right || y < top || y >= bottom) return false;
  const int r = std::min({radius, (right - left) / 2, (bottom - top) / 2});
  if (r <= 0) return true;
  double cx;
  double cy;
  if (x < left + r) {
    cx = left + r;
  } else if (x >= right - r) {
    cx = right - r;
  } else {
    return true;
  }
  if (y < top + r) {
    cy = top + r;
  } else if (y >= bottom - r) {
    cy = bottom - r;
  } else {
    return true;
  }
  const double dx = x + 0.5 - cx;
  const double dy = y + 0.5 - cy;
  return dx * dx + dy * dy <= static_cast<double>(r) * r;
}

RoundRect CandyOuterShape(int width, int height, int radius) {
  return {0, 0, width, height, radius};
}

// The inner rectangle is (1, 1, width - 2, height - 2): the border is one pixel wide at
// the top and left and two at the right and bottom; the faces use only its left half.
RoundRect CandyInnerShape(int width, int height, int radius) {
  return {1, 1, width - 2, height - 2, radius};
}

std::vector<PixelRun> ShapeRuns(const RoundRect& shape, int width, int height) {
  std::vector<PixelRun> runs;
  for (int y = 0; y < height; ++y) {
    int x = 0;
    while (x < width) {
      while (x < width && !shape.Contains(x, y)) ++x;
      const int start = x;
      while (x < width && shape.Contains(x, y)) ++x;
      if (x > start) runs.push_back({y, start, x});
    }
  }
  return runs;
}

}  // namespace dusk
