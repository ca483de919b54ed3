// The themed button's faces painted on an in-memory canvas, and the colour steps and
// gradients they are made of. Style 6 belongs to the visual-theme engine and is not
// painted here.
#pragma once
#include "widgets/candy_canvas.h"
#include "widgets/candy_color.h"

namespace dusk {

// Visual states of the themed button.
inline constexpr int kThemedNormal = 1;
inline constexpr int kThemedHot = 2;
inline constexpr int kThemedPressed = 3;
inline constexpr int kThemedDisabled = 4;

inline constexpr int kThemedStyleCount = 11;  // 0..10
inline constexpr int kThemedEngineStyle = 6;

// Each channel moved by `delta` and clamped to 0..255.
Color ShiftColor(Color color, int delta);

// c1 + (c2 - c1) * i / n per channel, the step kept in single precision and each channel
// rounded with halves to even.
Color GradientColor(Color c1, Color c2, int i, int n);

// For i = 0..n the row (x1, y0 + i) -> (x2, y0 + i); nothing when n <= 0.
void RowGradient(Canvas& canvas, Color c1, Color c2, int x1, int y0, int x2, int n);
// For i = 0..x2 - x1 the column (x1 + i, y1) -> (x1 + i, y2).
void ColumnGradient(Canvas& canvas, Color c1, Color c2, int x1, int y1, int x2, int y2);

// The margin a style keeps around its content, in pixels.
int ThemedStyleMargin(int style);

struct ThemedFace {
  int style = 8;
  int state = kThemedNormal;  // the state drawn (pressed for a toggled button)
  bool focused = false;
  bool custom_colors = false;
  Color back_color = 0;       // used with custom colours
  Color highlight_color = 0;  // used with custom colours
  Color button_face = MakeColor(212, 208, 200);  // the system's, otherwise
};

// Colours the pixel-drawn styles start from.
Color ThemedBack(const ThemedFace& face);   // BackColor or the system face
Color ThemedLight(const ThemedFace& face);  // HighlightColor or the system face

// Fills the canvas with the face of the style; styles outside 0..10 and style 6 leave it
// as it is.
void PaintThemedFace(Canvas& canvas, const ThemedFace& face);

}  // namespace dusk
