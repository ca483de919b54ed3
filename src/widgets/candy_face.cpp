#include "widgets/candy_face.h"

#include <algorithm>
#include <cstdlib>

#include "widgets/candy_shape.h"

namespace dusk {

Color CandyFaceColor(const CandyColors& colors, int state) {
  switch (state) {
    case kStateHover:
      return colors.hover;
    case kStatePressed:
    case kStateChecked:
      return colors.down;
    default:
      return colors.up;
  }
}

Color CandyBorderColor(Color face, int brightness) {
  return brightness < 0 ? BlendColors(face, kBlack, -brightness)
                        : BlendColors(face, kWhite, brightness);
}

CandyParams CandyStyleParams(int style, int width, int height, int radius) {
  const int w = width;
  const int h = height;
  const int r = radius;
  const int glow_x = RoundEven(w / 2.0);
  switch (style) {
    case 2:
      return {0, 50, r / 2, 1, r / 2, RoundEven(1.1 * r), w + 2 * r, 300, 60, glow_x, h, 120};
    case 3: {
      // A face only a few pixels high would make 700 / H exceed 100: no glow then.
      const int glow_height = h > 0 ? std::min(100 - 700 / h, 80) : 0;
      return {0, 70, r / 3, 0, 10, 12, w + 2 * r, 200, glow_height, glow_x, h, 130};
    }
    case 4:
      return {0, 70, r / 3 - 1, 0, r / 2, r, w + 2 * r, 200, 70, glow_x, h, 130};
    case 5:
      return {0, 40, -1 - r / 2, -r, r, r + 1, w + 2 * r, 60, 60, glow_x, h, 130};
    case 7:
      return {0, 50, RoundEven(r / 2.0), 2, RoundEven(r / 2.0), r + 1, w - r, 60, 60, glow_x,
              RoundEven(h / 2.0), 100};
    default:
      return {};
  }
}

std::vector<GlowEllipse> CandyGlow(const CandyParams& p, int width, int height, Color face,
                                   Color bright) {
  std::vector<GlowEllipse> rings;
  const int a = RoundEven(width * p[7] / 100.0);
  const int b = RoundEven(height * p[8] / 100.0);
  if (a <= 0 || b <= 0) return rings;  // nothing to draw, and no step to divide by
  int step_x = 1;
  int step_y = 1;
  if (b < a) {
    step_x = RoundEven(static_cast<double>(a) / b);
  } else {
    step_y = RoundEven(static_cast<double>(b) / a);
  }
  GlowEllipse box{p[9] - a, p[10] - b, p[9] + a, p[10] + b, face};
  for (int ring = 1; box.left < box.right && box.top < box.bottom; ++ring) {
    if (ring > 1) box.color = BlendColors(face, bright, RoundEven(p[11] * ring / static_cast<double>(b)));
    rings.push_back(box);
    box.left += step_x;
    box.right -= step_x;
    box.top += step_y;
    box.bottom -= step_y;
  }
  return rings;
}

namespace {

void PaintCandy(Canvas& canvas, const CandyFace& face) {
  const int w = canvas.width();
  const int h = canvas.height();
  const int r = std::max(CandyCornerRadius(face.style, w, h), 1);
  const Color f = face.enabled ? CandyFaceColor(face.colors, face.state) : kCandyDisabledFace;
  const Color bright = face.enabled ? face.colors.bright : kWhite;
  const CandyParams p = CandyStyleParams(face.style, w, h, r);
  const Color border = CandyBorderColor(f, face.border_brightness);
  const RoundRect gloss{p[2], p[3], p[6], p[5], p[4]};
  const RoundRect inner = CandyInnerShape(w, h, r);

  canvas.Fill(f);
  for (const GlowEllipse& e : CandyGlow(p, w, h, f, bright))
    canvas.FillEllipse(e.left, e.top, e.right, e.bottom, e.color);

  // Only the left half is decided; each pixel is mirrored onto the column as far from the
  // right edge, which keeps the border and the gloss symmetric. Every row starts at the
  // edge so that the border runs on beside the gloss.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x <= w / 2; ++x) {
      const int mirror = w - 1 - x;
      if (!inner.Contains(x, y)) {
        canvas.Set(x, y, border);
        canvas.Set(mirror, y, border);
      } else if (gloss.Contains(x, y)) {
        canvas.Line(x, y, mirror + 1, y, BlendColors(kWhite, f, p[0] + y * p[1] / r));
        break;
      }
    }
  }
}

void PaintPill(Canvas& canvas, const CandyFace& face) {
  const int w = canvas.width() - 1;
  const int h = canvas.height() - 1;
  const int r = std::max(CandyCornerRadius(6, canvas.width(), canvas.height()), 1);
  const Color f = CandyFaceColor(face.colors, face.state);
  const Color border = BlendColors(kBlack, f, 50);
  // The shapes below are given by their corner pixels, both included.
  const RoundRect inner{1, 1, w - 1, h - 1, r};
  const RoundRect full{0, 0, w + 1, h + 1, r};
  const RoundRect highlight{4, 2, w - r + 1, 2 * r, 2 * r / 3};
  const RoundRect highlight_cut{4, r / 2, w - r + 1, 2 * r, 2 * r / 3};
  Color top = kWhite;
  for (int y = 0; y <= h; ++y) {
    // Below the first r rows the top colour keeps its last value.
    if (y < r) top = BlendColors(kWhite, f, y * 30 / r);
    const int edge = h > 0 ? std::abs(2 * y - h) * 100 / h : 0;
    for (int x = 0; x <= w / 2; ++x) {
      Color color;
      if (inner.Contains(x, y)) {
        const bool in_highlight = highlight.Contains(x, y) && !highlight_cut.Contains(x, y);
        color = in_highlight ? top : BlendColors(f, face.colors.bright, edge);
      } else if (full.Contains(x, y)) {
        color = border;
      } else {
        continue;
      }
      canvas.Set(x, y, color);
      canvas.Set(w - x, y, color);
    }
  }
}

struct OutlineColors {
  Color edge, diagonal, pixel;
};

// The cut-corner frame of the fixed-palette styles, W and H being the last column and row.
void PaintOutline(Canvas& c, int w, int h, const OutlineColors& o) {
  c.Line(2, 0, w - 2, 0, o.edge);
  c.Line(w, 2, w, h - 2, o.edge);
  c.Line(w - 2, h, 2, h, o.edge);
  c.Line(0, h - 2, 0, 2, o.edge);
  c.Line(0, 2, 2, 0, o.diagonal);
  c.Line(w - 2, 0, w, 2, o.diagonal);
  c.Line(w, h - 2, w - 2, h, o.diagonal);
  c.Line(2, h, 0, h - 2, o.diagonal);
  for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {w - 1, 0}, {w, 1}, {w, h - 1}, {w - 1, h}, {1, h},
                      {0, h - 1}})
    c.Set(x, y, o.pixel);
}

void ShadeRows(Canvas& c, int first_row, int x_from, int x_to, Color from, Color to) {
  for (int i = 0; i <= 3; ++i) c.Line(x_from, first_row + i, x_to, first_row + i, ShadeColors(from, to, i, 3));
}

struct FrameColors {
  Color top1, top2, side_from, side_to, bottom2, bottom1;
};

void PaintStyle0(Canvas& c, int state) {
  const int w = c.width() - 1;
  const int h = c.height() - 1;
  if (state == kStatePressed) {
    ShadeRows(c, 1, 0, w, MakeColor(209, 204, 193), MakeColor(229, 228, 221));
    for (int y = 4; y <= h - 4; ++y)
      c.Line(0, y, w, y, ShadeColors(MakeColor(229, 228, 221), MakeColor(226, 226, 218), y, h - 6));
    ShadeRows(c, h - 4, 0, w, MakeColor(226, 226, 218), MakeColor(242, 241, 238));
  } else {
    for (int y = 0; y <= h - 3; ++y)
      c.Line(1, y, w, y, ShadeColors(kWhite, MakeColor(236, 235, 230), y, h - 3));
    ShadeRows(c, h - 4, 0, w, MakeColor(236, 235, 230), MakeColor(214, 208, 197));
  }
  if (state == kStateFocused || state == kStateHover) {
    const FrameColors frame =
        state == kStateFocused
            ? FrameColors{MakeColor(206, 231, 255), MakeColor(188, 212, 246), MakeColor(188, 212, 246),
                          MakeColor(137, 173, 228), MakeColor(137, 173, 228), MakeColor(105, 130, 238)}
            : FrameColors{MakeColor(255, 240, 202), MakeColor(253, 216, 137), MakeColor(253, 216, 137),
                          MakeColor(248, 178, 48), MakeColor(248, 178, 48), MakeColor(229, 151, 0)};
    c.Line(0, 1, w, 1, frame.top1);
    c.Line(0, 2, w, 2, frame.top2);
    for (int y = 3; y <= h - 3; ++y) {
      const Color side = ShadeColors(frame.side_from, frame.side_to, y, h);
      c.Line(0, y, 3, y, side);
      c.Line(w - 2, y, w, y, side);
    }
    c.Line(0, h - 2, w, h - 2, frame.bottom2);
    c.Line(0, h - 1, w, h - 1, frame.bottom1);
  }
  PaintOutline(c, w, h, {MakeColor(0, 60, 116), MakeColor(37, 87, 131), MakeColor(122, 149, 168)});
}

void PaintStyle1(Canvas& c, int state) {
  const int w = c.width() - 1;
  const int h = c.height() - 1;
  if (state == kStateChecked) {
    c.FillBox(1, 1, w - 1, h - 1, kWhite);
    PaintOutline(c, w, h, {MakeColor(122, 152, 175), MakeColor(152, 175, 190), MakeColor(203, 213, 214)});
    return;
  }
  if (state != kStatePressed && state != kStateHover) return;
  const bool pressed = state == kStatePressed;
  const Color c1 = pressed ? MakeColor(220, 218, 209) : MakeColor(254, 254, 253);
  const Color c2 = pressed ? MakeColor(231, 230, 224) : MakeColor(252, 252, 249);
  const Color c3 = pressed ? MakeColor(225, 224, 216) : MakeColor(238, 237, 229);
  const Color c4 = pressed ? MakeColor(235, 234, 229) : MakeColor(215, 210, 198);
  ShadeRows(c, 1, 0, w, c1, c2);
  for (int y = 4; y <= h - 4; ++y) c.Line(0, y, w, y, ShadeColors(c2, c3, y, h - 6));
  ShadeRows(c, h - 4, 0, w, c3, c4);
  PaintOutline(c, w, h,
               pressed ? OutlineColors{MakeColor(157, 157, 146), MakeColor(179, 179, 168), MakeColor(215, 215, 204)}
                       : OutlineColors{MakeColor(206, 206, 195), MakeColor(216, 216, 205), MakeColor(232, 232, 221)});
}

}  // namespace

void PaintCandyFace(Canvas& canvas, const CandyFace& face) {
  canvas.Fill(face.back_color);
  if (canvas.width() == 0 || canvas.height() == 0) return;
  switch (face.style) {
    case 0:
      PaintStyle0(canvas, face.state);
      break;
    case 1:
      PaintStyle1(canvas, face.state);
      break;
    case 2:
    case 3:
    case 4:
    case 5:
    case 7:
      PaintCandy(canvas, face);
      break;
    case 6:
      PaintPill(canvas, face);
      break;
    default:
      break;  // no face, only the caption and picture
  }
}

}  // namespace dusk
