#include "widgets/candy_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace dusk {

Canvas::Canvas(int width, int height, Color fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

void Canvas::Fill(Color color) { std::fill(pixels_.begin(), pixels_.end(), color); }

void Canvas::FillBox(int x1, int y1, int x2, int y2, Color color) {
  const int left = std::max(std::min(x1, x2), 0);
  const int right = std::min(std::max(x1, x2), width_ - 1);
  const int top = std::max(std::min(y1, y2), 0);
  const int bottom = std::min(std::max(y1, y2), height_ - 1);
  for (int y = top; y <= bottom; ++y)
    std::fill_n(pixels_.begin() + static_cast<size_t>(y) * width_ + left,
                std::max(right - left + 1, 0), color);
}

void Canvas::Line(int x1, int y1, int x2, int y2, Color color) {
  const int dx = (x2 > x1) - (x2 < x1);
  const int dy = (y2 > y1) - (y2 < y1);
  const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
  for (int i = 0; i < steps; ++i) Set(x1 + i * dx, y1 + i * dy, color);
}

void Canvas::FillEllipse(int left, int top, int right, int bottom, Color color) {
  if (right <= left || bottom <= top) return;
  const double cx = (left + right) / 2.0;
  const double cy = (top + bottom) / 2.0;
  const double rx = (right - left) / 2.0;
  const double ry = (bottom - top) / 2.0;
  const int y_from = std::max(top, 0);
  const int y_to = std::min(bottom, height_);
  for (int y = y_from; y < y_to; ++y) {
    const double ny = (y + 0.5 - cy) / ry;
    const double span = 1.0 - ny * ny;
    if (span < 0) continue;
    // Pixel centres inside the ellipse on this row: |x + 0.5 - cx| <= rx * sqrt(span).
    const double half = rx * std::sqrt(span);
    int x_from = static_cast<int>(std::ceil(cx - half - 0.5));
    int x_to = static_cast<int>(std::floor(cx + half - 0.5));
    x_from = std::max(x_from, std::max(left, 0));
    x_to = std::min(x_to, std::min(right, width_) - 1);
    for (int x = x_from; x <= x_to; ++x) pixels_[static_cast<size_t>(y) * width_ + x] = color;
  }
}

}  // namespace dusk
