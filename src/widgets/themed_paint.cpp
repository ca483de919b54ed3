#include "widgets/themed_paint.h"

#include <algorithm>
#include <cmath>

namespace dusk {

namespace {

int Clamp(int v) { return std::clamp(v, 0, 255); }

// H / 2 plus an offset, rounded as every computed coordinate is.
int Half(int h, int offset) { return RoundEven(h / 2.0 + offset); }

void Rect(Canvas& c, int w, int h, Color color) {
  c.Line(0, 0, w - 1, 0, color);
  c.Line(0, 0, 0, h - 1, color);
  c.Line(0, h - 1, w, h - 1, color);
  c.Line(w - 1, 0, w - 1, h - 1, color);
}

// Light edges top and left, dark ones bottom and right (swapped for a sunken look).
void Edge(Canvas& c, int w, int h, Color light, Color dark, Color inner_dark, bool sunken) {
  if (sunken) std::swap(light, dark);
  c.Line(0, 0, w - 1, 0, light);
  c.Line(0, 0, 0, h - 1, light);
  c.Line(0, h - 1, w, h - 1, dark);
  c.Line(w - 1, 0, w - 1, h, dark);
  if (inner_dark != light && !sunken) {
    c.Line(1, h - 2, w - 1, h - 2, inner_dark);
    c.Line(w - 2, 1, w - 2, h - 1, inner_dark);
  }
}

void PaintClassic(Canvas& c, const ThemedFace& f, Color back) {
  const int w = c.width(), h = c.height();
  const bool pressed = f.state == kThemedPressed;
  c.Fill(f.state == kThemedHot ? ShiftColor(back, 8) : back);
  Edge(c, w, h, ShiftColor(back, 96), ShiftColor(back, -160), ShiftColor(back, -64), pressed);
}

void PaintFlat(Canvas& c, const ThemedFace& f, Color back) {
  const int w = c.width(), h = c.height();
  switch (f.state) {
    case kThemedHot: c.Fill(ShiftColor(back, 8)); Rect(c, w, h, ShiftColor(back, -64)); break;
    case kThemedPressed: c.Fill(ShiftColor(back, -16)); Rect(c, w, h, ShiftColor(back, -96)); break;
    default: c.Fill(back); break;
  }
}

void PaintFlatHighlight(Canvas& c, const ThemedFace& f, Color back) {
  const int w = c.width(), h = c.height();
  const Color light = ThemedLight(f) == back ? MakeColor(49, 106, 197) : ThemedLight(f);
  switch (f.state) {
    case kThemedHot: c.Fill(GradientColor(back, light, 1, 4)); Rect(c, w, h, light); break;
    case kThemedPressed: c.Fill(GradientColor(back, light, 1, 2)); Rect(c, w, h, ShiftColor(light, -64)); break;
    default: c.Fill(back); Rect(c, w, h, ShiftColor(back, -48)); break;
  }
}

void PaintSoft(Canvas& c, const ThemedFace& f, Color back) {
  const int w = c.width(), h = c.height();
  c.Fill(back);
  const bool pressed = f.state == kThemedPressed;
  const Color top = ShiftColor(back, pressed ? -16 : (f.state == kThemedHot ? 32 : 24));
  const Color bottom = ShiftColor(back, pressed ? 8 : -8);
  RowGradient(c, top, bottom, 1, 1, w - 1, h - 3);
  Rect(c, w, h, ShiftColor(back, f.focused && !pressed ? -96 : -64));
}

void PaintThin(Canvas& c, const ThemedFace& f, Color back) {
  const int w = c.width(), h = c.height();
  c.Fill(f.state == kThemedHot ? ShiftColor(back, 8) : back);
  const Color light = ShiftColor(back, 64), dark = ShiftColor(back, -64);
  Edge(c, w, h, light, dark, light, f.state == kThemedPressed);
}

// A rounded-corner face with a dark outline, a white-to-face body and a warm hover line.
void PaintRoundedBlue(Canvas& c, const ThemedFace& f, Color back) {
  const int w = c.width(), h = c.height();
  const Color outline = f.custom_colors ? ShiftColor(f.highlight_color, -64) : MakeColor(0, 60, 116);
  const bool pressed = f.state == kThemedPressed;
  c.Fill(back);
  RowGradient(c, ShiftColor(back, pressed ? -24 : 48), ShiftColor(back, pressed ? 16 : -8), 1, 1,
              w - 1, h - 3);
  if (f.state == kThemedHot || (f.focused && !pressed)) {
    const Color glow = f.state == kThemedHot ? MakeColor(255, 184, 80) : MakeColor(152, 180, 230);
    Rect(c, w, h, glow);
    c.Line(1, 1, w - 1, 1, glow);
    c.Line(1, h - 2, w - 1, h - 2, glow);
  }
  if (f.state == kThemedDisabled) {
    Rect(c, w, h, ShiftColor(back, -48));
  } else {
    Rect(c, w, h, outline);
  }
}

void PaintGlass(Canvas& c, const ThemedFace& f, Color back) {
  const int w = c.width(), h = c.height();
  const int shade = f.state == kThemedPressed ? -24 : (f.state == kThemedHot ? 12 : 0);
  const Color base = ShiftColor(back, shade);
  c.Fill(base);
  RowGradient(c, ShiftColor(base, 40), ShiftColor(base, 8), 1, 1, w - 1, Half(h, -2));
  RowGradient(c, ShiftColor(base, -8), ShiftColor(base, 16), 1, Half(h, 0), w - 1, Half(h, -2));
  Rect(c, w, h, ShiftColor(back, f.focused ? -112 : -80));
}

void PaintRoundGradient(Canvas& c, const ThemedFace& f, Color back) {
  const int w = c.width(), h = c.height();
  const bool pressed = f.state == kThemedPressed;
  const Color base = f.state == kThemedHot ? ThemedLight(f) == back ? ShiftColor(back, 16) : ThemedLight(f) : back;
  c.Fill(base);
  RowGradient(c, ShiftColor(base, pressed ? -24 : 32), ShiftColor(base, pressed ? 16 : -24), 0, 0, w,
              h - 1);
  Rect(c, w, h, ShiftColor(back, f.focused ? -112 : -72));
}

void PaintStyle8(Canvas& c, const ThemedFace& face, Color back) {
  const int w = c.width(), h = c.height();
  const bool pressed = face.state == kThemedPressed;
  Color f = back;
  if (face.state != kThemedNormal)
    f = face.custom_colors ? face.highlight_color : ShiftColor(face.button_face, 15);
  c.Fill(f);
  if (pressed) {
    RowGradient(c, ShiftColor(f, -15), ShiftColor(f, 15), 2, 2, w - 3, h - 6);
  } else {
    RowGradient(c, ShiftColor(f, 15), ShiftColor(f, -15), 2, 2, w - 3, h - 6);
  }
  const Color bright = ShiftColor(f, 96);
  c.Line(2, 1, w - 3, 1, pressed ? f : bright);
  c.Line(1, 2, 1, h - 3, pressed ? f : bright);
  c.Line(2, h - 3, w - 2, h - 3, pressed ? bright : f);
  const Color r = ShiftColor(back, face.focused && !pressed ? -96 : -48);
  c.Line(2, 0, w - 3, 0, r);
  c.Line(0, 2, 0, h - 3, r);
  c.Line(2, h - 2, w - 3, h - 2, r);
  c.Line(w - 2, 2, w - 2, h - 3, r);
  c.Set(1, 1, r);
  c.Set(1, h - 3, r);
  c.Set(w - 3, 1, r);
  c.Set(w - 3, h - 3, r);
  const Color s = ShiftColor(r, 21);
  c.Line(3, h - 1, w - 4, h - 1, s);
  c.Line(w - 1, 3, w - 1, h - 4, s);
  c.Line(w - 4, h - 1, w, h - 5, s);
  c.Line(w - 3, h - 1, w, h - 4, ShiftColor(s, 15));
}

void PaintStyle9(Canvas& c, const ThemedFace& face, Color back) {
  const int W = c.width(), H = c.height();
  const Color light = ThemedLight(face);
  Color b = ShiftColor(back, -15);
  switch (face.state) {
    case kThemedHot: b = ShiftColor(light, 1); break;
    case kThemedPressed: b = ShiftColor(light, 24); break;
    case kThemedDisabled: b = ShiftColor(back, 15); break;
    default: break;
  }
  auto B = [&](int d) { return ShiftColor(b, d); };
  auto R = [&](int d1, int d2, int x1, int y0, int x2, int n) { RowGradient(c, B(d1), B(d2), x1, y0, x2, n); };
  auto C = [&](int d1, int d2, int x1, int y1, int x2, int y2) { ColumnGradient(c, B(d1), B(d2), x1, y1, x2, y2); };
  auto L = [&](int d, int x1, int y1, int x2, int y2) { c.Line(x1, y1, x2, y2, B(d)); };
  c.Fill(b);
  R(32, -32, 5, 2, W - 5, H - 6);
  R(128, -128, 0, 0, 1, H - 4);
  R(0, -37, 2, 4, 3, Half(H, -7));
  R(0, -53, 3, 3, 4, Half(H, -7));
  R(0, -37, 4, 2, 5, Half(H, -7));
  R(37, 5, 5, 2, 6, Half(H, -4));
  R(-37, -32, 2, Half(H, -2), 3, Half(H, -5));
  R(-53, -32, 3, Half(H, -3), 4, Half(H, -3));
  R(-37, -32, 4, Half(H, -4), 5, Half(H, -1));
  R(5, -5, 5, Half(H, -4), 6, Half(H, -3));
  C(-53, -32, 5, H - 5, 12, H - 6);
  C(-56, -32, 4, H - 6, 7, H - 7);
  C(-37, -32, 3, H - 7, 5, H - 8);
  R(128, -128, W - 2, 0, W - 1, H - 4);
  R(128, -48, W - 1, 0, W, Half(H, 0));
  R(-64, -8, W - 1, Half(H, 0), W, Half(H, -4));
  R(0, -37, W - 4, 4, W - 3, Half(H, -5));
  R(0, -48, W - 5, 3, W - 4, Half(H, -4));
  R(0, -37, W - 6, 2, W - 5, Half(H, -3));
  R(37, 5, W - 7, 2, W - 6, Half(H, -4));
  R(-37, -21, W - 4, Half(H, 0), W - 3, Half(H, -5));
  R(-48, -37, W - 5, Half(H, 0), W - 4, Half(H, -5));
  R(-37, -53, W - 6, Half(H, 0), W - 5, Half(H, -4));
  R(-5, -37, W - 7, Half(H, 0), W - 6, Half(H, -4));
  C(-32, -53, W - 15, H - 4, W - 7, H - 3);
  L(48, 3, 0, W - 3, 0);
  L(48, 1, 1, W - 1, 1);
  L(0, 5, 1, W - 5, 1);
  C(32, 0, W - 11, 2, W - 4, 3);
  C(32, 0, W - 10, 3, W - 5, 4);
  C(32, 0, W - 9, 4, W - 6, 5);
  L(128, 6, 3, 7, 3);
  L(-16, 3, H - 1, W - 3, H - 1);
  L(-128, 2, H - 2, W - 3, H - 2);
  L(0, 7, H - 3, W - 7, H - 3);
  c.Set(1, H - 3, B(-112));
  c.Set(W - 3, H - 3, B(-112));
  L(-21, W - 4, H - 1, W - 1, H - 4);
}

}  // namespace

Color ShiftColor(Color color, int delta) {
  const Rgb rgb = GetRGB(color);
  return MakeColor(Clamp(rgb.red + delta), Clamp(rgb.green + delta), Clamp(rgb.blue + delta));
}

Color GradientColor(Color c1, Color c2, int i, int n) {
  if (n == 0) return c1;
  const Rgb a = GetRGB(c1), b = GetRGB(c2);
  auto channel = [&](int from, int to) {
    const float step = static_cast<float>(to - from) / static_cast<float>(n);
    const float value = static_cast<float>(from) + step * static_cast<float>(i);
    return Clamp(RoundEven(value));
  };
  return MakeColor(channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue));
}

void RowGradient(Canvas& canvas, Color c1, Color c2, int x1, int y0, int x2, int n) {
  if (n <= 0) return;
  for (int i = 0; i <= n; ++i) canvas.Line(x1, y0 + i, x2, y0 + i, GradientColor(c1, c2, i, n));
}

void ColumnGradient(Canvas& canvas, Color c1, Color c2, int x1, int y1, int x2, int y2) {
  const int n = x2 - x1;
  if (n <= 0) return;
  for (int i = 0; i <= n; ++i) canvas.Line(x1 + i, y1, x1 + i, y2, GradientColor(c1, c2, i, n));
}

int ThemedStyleMargin(int style) {
  switch (style) {
    case 7: case 8: return 4;
    case 9: return 6;
    case 10: return 7;
    default: return 3;
  }
}

Color ThemedBack(const ThemedFace& face) { return face.custom_colors ? face.back_color : face.button_face; }
Color ThemedLight(const ThemedFace& face) { return face.custom_colors ? face.highlight_color : face.button_face; }

void PaintThemedFace(Canvas& canvas, const ThemedFace& face) {
  if (canvas.width() <= 0 || canvas.height() <= 0) return;
  // A disabled button sits on the system face whatever its colours.
  const Color back = face.state == kThemedDisabled ? face.button_face : ThemedBack(face);
  switch (face.style) {
    case 0: PaintClassic(canvas, face, back); break;
    case 1: PaintFlat(canvas, face, back); break;
    case 2: PaintFlatHighlight(canvas, face, back); break;
    case 3: PaintSoft(canvas, face, back); break;
    case 4: PaintThin(canvas, face, back); break;
    case 5: PaintRoundedBlue(canvas, face, back); break;
    case 7: PaintGlass(canvas, face, back); break;
    case 8: PaintStyle8(canvas, face, back); break;
    case 9: PaintStyle9(canvas, face, back); break;
    case 10: PaintRoundGradient(canvas, face, back); break;
    default: break;
  }
}

}  // namespace dusk
