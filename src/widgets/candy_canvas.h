// An in-memory picture the candy faces are painted on: width x height colours, top row
// first. Drawing outside the picture is silently clipped.
#pragma once
#include <cstddef>
#include <vector>

#include "widgets/candy_color.h"

namespace dusk {

class Canvas {
 public:
  Canvas(int width, int height, Color fill = kWhite);

  int width() const { return width_; }
  int height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Color At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const std::vector<Color>& pixels() const { return pixels_; }

  void Set(int x, int y, Color color) {
    if (Inside(x, y)) pixels_[static_cast<size_t>(y) * width_ + x] = color;
  }
  void Fill(Color color);
  // Both corners included.
  void FillBox(int x1, int y1, int x2, int y2, Color color);
  // From (x1, y1) up to but not including (x2, y2); horizontal, vertical or 45 degrees.
  void Line(int x1, int y1, int x2, int y2, Color color);
  // The filled ellipse inscribed in the box left..right-1, top..bottom-1.
  void FillEllipse(int left, int top, int right, int bottom, Color color);

 private:
  int width_;
  int height_;
  std::vector<Color> pixels_;
};

}  // namespace dusk
