#include "widgets/themed_layout.h"

#include "widgets/themed_paint.h"

namespace dusk {

uint32_t ThemedCaptionFormat(int align, bool right_to_left) {
  static constexpr uint32_t kFormats[] = {21, 20, 22, 17, 25};
  const uint32_t format = align >= 0 && align <= 4 ? kFormats[align] : kFormats[0];
  return format | (right_to_left ? kThemedRtlReading : 0);
}

uint32_t ThemedMeasureFormat(bool right_to_left) {
  return kThemedMeasureFormat | (right_to_left ? kThemedRtlReading : 0);
}

ThemedRect ThemedCaptionRect(int align, int W, int H, int m, const ThemedRect& measured) {
  const double ml = measured.left, mt = measured.top, mr = measured.right, mb = measured.bottom;
  const int centre_left = RoundEven((W - mr - ml) / 2);
  const int centre_right = RoundEven((W + mr - ml) / 2);
  const int middle_top = RoundEven((H - mb - mt) / 2 + 3);
  const int middle_bottom = RoundEven((H + mb - mt) / 2);
  switch (align) {
    case 1: return {m, middle_top, measured.right + m, middle_bottom};
    case 2: return {W - measured.right - measured.left - m, middle_top, W - measured.left - m, middle_bottom};
    case 3: return {centre_left, RoundEven(m / 2.0), centre_right, RoundEven(m / 2.0 + (mb - mt))};
    case 4: return {centre_left, RoundEven(H - (mb - mt) - m / 2.0), centre_right, RoundEven(H - m / 2.0)};
    default: return {centre_left, middle_top, centre_right, middle_bottom};
  }
}

ThemedPoint ThemedIconPosition(int align, int W, int H, int S, int m, bool pressed) {
  const int cx = RoundEven((W - S) / 2.0);
  const int cy = RoundEven((H - S) / 2.0);
  ThemedPoint at;
  switch (align) {
    case 1: at = {m, cy}; break;
    case 2: at = {W - S - m, cy}; break;
    case 3: at = {cx, m}; break;
    case 4: at = {cx, H - S - m}; break;
    default: at = {cx, cy}; break;
  }
  if (pressed) {
    ++at.x;
    ++at.y;
  }
  return at;
}

ThemedShape ThemedWindowShape(int style, int W, int H, bool rounded_by_theme) {
  ThemedShape shape;
  switch (style) {
    case 5: case 7:
      shape.kind = ThemedShape::kPolygon;
      shape.points = {{0, 1}, {1, 0}, {W - 1, 0}, {W, 1}, {W, H - 2}, {W - 2, H}, {2, H}, {0, H - 2}};
      return shape;
    case 8: case 9:
      shape.kind = ThemedShape::kPolygon;
      shape.points = {{0, 2}, {2, 0}, {W - 3, 0}, {W, 3}, {W, H - 3}, {W - 3, H}, {4, H}, {0, H - 4}};
      return shape;
    case 10:
      shape.kind = ThemedShape::kRoundRectangle;
      shape.box = {0, 0, W + 1, H + 1};
      shape.corner = 18;
      return shape;
    case kThemedEngineStyle:
      if (rounded_by_theme) {
        shape.kind = ThemedShape::kThemeOutline;
        shape.box = {-1, -1, W + 1, H + 1};
        return shape;
      }
      break;
    default:
      break;
  }
  shape.box = {0, 0, W, H};
  return shape;
}

Color ThemedCaptionColor(bool custom_colors, int state, const ThemedTextColors& colors) {
  if (state == kThemedDisabled) return colors.grey_text;
  if (!custom_colors) return colors.button_text;
  return state == kThemedNormal ? colors.font : colors.font_highlight;
}

int ThemedPointerCursor(int pointer) {
  constexpr int kArrow = 32512;
  static constexpr int kCursors[] = {kArrow, kArrow, 32515, 32513, kArrow, 32646, 32643, 32645,
                                     32642, 32644, 32516, 32514, 32648, 32650, 32651, 32646};
  if (pointer < 0 || pointer >= static_cast<int>(sizeof(kCursors) / sizeof(kCursors[0]))) return kArrow;
  return kCursors[pointer];
}

}  // namespace dusk
