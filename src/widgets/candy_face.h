// The candy button's faces painted without a window: the candy styles with their gloss
// and glow, the pill, and the two fixed-palette styles.
#pragma once
#include <array>
#include <vector>

#include "widgets/candy_canvas.h"
#include "widgets/candy_color.h"

namespace dusk {

enum ButtonState { kStateNormal = 0, kStatePressed = 1, kStateFocused = 2, kStateHover = 3, kStateChecked = 4 };

inline constexpr Color kCandyDisabledFace = MakeColor(192, 192, 176);

struct CandyColors {
  Color up = MakeColor(80, 153, 233);
  Color hover = MakeColor(144, 192, 255);
  Color down = MakeColor(80, 153, 233);
  Color bright = MakeColor(176, 237, 255);
  bool operator==(const CandyColors&) const = default;
};

struct CandyFace {
  int style = 0;
  int state = kStateNormal;
  bool enabled = true;
  CandyColors colors;
  int border_brightness = 0;  // -100..100
  Color back_color = MakeColor(236, 233, 216);  // the container's
};

// The face colour of a state: up for normal and focused, hover, down for pressed and
// checked. Disabled candy faces are greyed, the pill is not.
Color CandyFaceColor(const CandyColors& colors, int state);
// Toward white by `brightness` percent, or toward black when it is negative.
Color CandyBorderColor(Color face, int brightness);

// P0..P11 of a candy style (2, 3, 4, 5, 7) for a width x height face with radius r.
using CandyParams = std::array<int, 12>;
CandyParams CandyStyleParams(int style, int width, int height, int radius);

// One filled ellipse of the glow: the box it fills (right and bottom excluded) and colour.
struct GlowEllipse {
  int left, top, right, bottom;
  Color color;
};
std::vector<GlowEllipse> CandyGlow(const CandyParams& p, int width, int height, Color face,
                                   Color bright);

// Paints the face of `face.style` over the whole canvas (the canvas is the client area).
void PaintCandyFace(Canvas& canvas, const CandyFace& face);

}  // namespace dusk
