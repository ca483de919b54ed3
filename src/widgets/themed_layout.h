// Where the themed button puts its caption and icon, the text-drawing formats it uses,
// the outline its window is cut to, and the caption's colour.
#pragma once
#include <cstdint>
#include <vector>

#include "widgets/candy_color.h"

namespace dusk {

struct ThemedRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const ThemedRect&) const = default;
};

struct ThemedPoint {
  int x = 0, y = 0;
  bool operator==(const ThemedPoint&) const = default;
};

inline constexpr int kThemedMinTwips = 300;  // neither side may be smaller
inline constexpr uint32_t kThemedRtlReading = 0x20000;
inline constexpr uint32_t kThemedMeasureFormat = 1040;  // calculate, word break

// Text-drawing format of a caption alignment (0..4; others as 0).
uint32_t ThemedCaptionFormat(int align, bool right_to_left);
uint32_t ThemedMeasureFormat(bool right_to_left);

// The rectangle the caption is drawn in, from the client size, the style margin and the
// rectangle the measuring call returned.
ThemedRect ThemedCaptionRect(int align, int width, int height, int margin, const ThemedRect& measured);

// Top-left corner of an icon of `size` pixels; a pressed button draws it one pixel
// further right and down.
ThemedPoint ThemedIconPosition(int align, int width, int height, int size, int margin, bool pressed);

struct ThemedShape {
  enum Kind { kRectangle, kPolygon, kRoundRectangle, kThemeOutline } kind = kRectangle;
  std::vector<ThemedPoint> points;  // kPolygon, filled in alternate mode
  ThemedRect box;                   // kRectangle, kRoundRectangle, kThemeOutline
  int corner = 0;                   // kRoundRectangle: corner ellipse size
};

ThemedShape ThemedWindowShape(int style, int width, int height, bool rounded_by_theme);

struct ThemedTextColors {
  Color button_text = 0;   // system colours
  Color grey_text = 0;
  Color font = 0;          // FontColor and FontHighlightColor, used with custom colours
  Color font_highlight = 0;
};

Color ThemedCaptionColor(bool custom_colors, int state, const ThemedTextColors& colors);

// The system pointer shown over the button for a MousePointer value: 0 and unknown
// values the arrow, 1 arrow, 2 cross, 3 text beam, 5 and 15 move, 6 to 9 the four sizing
// arrows (NE-SW, N-S, NW-SE, W-E), 10 up arrow, 11 hourglass, 12 forbidden, 13 arrow with
// hourglass, 14 arrow with question mark. The result is the system cursor's number.
int ThemedPointerCursor(int pointer);

}  // namespace dusk
