// The candy button's outline: the corner radius each style uses and rounded rectangles
// decided pixel by pixel, for the window's region, the inner border line and the gloss.
#pragma once
#include <vector>

namespace dusk {

inline constexpr int kCandyStyleCount = 8;  // 0..7; higher values draw no face

// Styles 0 and 1 are rectangular (radius 0); the others round their corners.
bool CandyStyleIsRounded(int style);
int CandyCornerRadius(int style, int width, int height);

// The rectangle left..right-1 by top..bottom-1 with circular corners of `radius`: a
// pixel near a corner belongs when its centre lies inside the circle of that radius
// centred `radius` pixels in from the corner. The radius is limited to half the sides.
struct RoundRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int radius = 0;
  bool Contains(int x, int y) const;
};

// The window's own shape and the shape one pixel in from it.
RoundRect CandyOuterShape(int width, int height, int radius);
RoundRect CandyInnerShape(int width, int height, int radius);

// One row of a region: the pixels left..right-1 of row y.
struct PixelRun {
  int y;
  int left;
  int right;
  bool operator==(const PixelRun&) const = default;
};

// The pixels of `shape` within a width x height area, row by row, left to right.
std::vector<PixelRun> ShapeRuns(const RoundRect& shape, int width, int height);

}  // namespace dusk
