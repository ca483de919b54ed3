// The candy button's faces painted on an in-memory canvas, checked at the pixels that
// show each rule: glow, gloss, border, greying, the pill and the fixed palettes.
#include <gtest/gtest.h>


#include "widgets/candy_face.h"
#include "widgets/candy_shape.h"

namespace dusk {
namespace {

constexpr Color kBack = MakeColor(1, 2, 3);

Canvas Paint(int style, int state, int w = 100, int h = 30, bool enabled = true, int border = 0) {
  Canvas canvas(w, h);
  CandyFace face;
  face.style = style;
  face.state = state;
  face.enabled = enabled;
  face.border_brightness = border;
  face.back_color = kBack;
  PaintCandyFace(canvas, face);
  return canvas;
}

void ExpectMirrored(const Canvas& c, int last_column) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x <= last_column / 2; ++x)
      ASSERT_EQ(c.At(x, y), c.At(last_column - x, y)) << "at " << x << "," << y;
}

TEST(CandyFaceParams, GlowHeightOfStyle3FollowsTheHeightUpToItsCap) {
  EXPECT_EQ(CandyStyleParams(3, 100, 23, 12)[8], 70);
  EXPECT_EQ(CandyStyleParams(3, 100, 40, 12)[8], 80);
  EXPECT_LT(CandyStyleParams(3, 100, 5, 12)[8], 0);  // a sliver of a button: no glow
  EXPECT_TRUE(CandyGlow(CandyStyleParams(3, 100, 5, 12), 100, 5, kBlack, kWhite).empty());
  EXPECT_EQ(CandyStyleParams(3, 100, 0, 12)[8], 0);  // no division by a zero height
}

TEST(CandyFaceParams, GlossAndGlowParametersPerStyle) {
  // Style 2 at 100 x 30 (r 16): gloss (8, 1)-(132, 18) with corner 8, glow 300 % x 60 %.
  EXPECT_EQ(CandyStyleParams(2, 100, 30, 16), (CandyParams{0, 50, 8, 1, 8, 18, 132, 300, 60, 50, 30, 120}));
  EXPECT_EQ(CandyStyleParams(5, 100, 30, 16), (CandyParams{0, 40, -9, -16, 16, 17, 132, 60, 60, 50, 30, 130}));
  // Style 7 rounds its halves to even: r 5 gives 2, a width of 101 gives 50.
  EXPECT_EQ(CandyStyleParams(7, 101, 21, 5), (CandyParams{0, 50, 2, 2, 2, 6, 96, 60, 60, 50, 10, 100}));
  EXPECT_EQ(CandyStyleParams(4, 100, 30, 16)[2], 4);
}

TEST(CandyFaceParams, GlowShrinksByItsStepsAndBlendsTowardTheBrightColour) {
  const Color face = MakeColor(100, 100, 100);
  const auto rings = CandyGlow(CandyStyleParams(2, 100, 30, 16), 100, 30, face, kWhite);
  // a = 300, b = 18: the x step is round(300 / 18) = 17 and the y step 1.
  ASSERT_EQ(rings.size(), 18u);
  EXPECT_EQ(rings[0].left, -250);
  EXPECT_EQ(rings[0].top, 12);
  EXPECT_EQ(rings[0].right, 350);
  EXPECT_EQ(rings[0].bottom, 48);
  EXPECT_EQ(rings[0].color, face);
  EXPECT_EQ(rings[1].left, -233);
  EXPECT_EQ(rings[1].top, 13);
  EXPECT_EQ(rings[1].color, BlendColors(face, kWhite, 13));  // round(120 x 2 / 18)
  EXPECT_EQ(rings.back().color, kWhite);
  // Taller than wide: the y step grows instead.
  const auto tall = CandyGlow(CandyStyleParams(7, 10, 100, 3), 10, 100, face, kWhite);
  ASSERT_GE(tall.size(), 2u);
  EXPECT_EQ(tall[1].left - tall[0].left, 1);
  EXPECT_EQ(tall[1].top - tall[0].top, 10);
}

TEST(CandyFace, DisabledCandyIsGreyWithAWhiteGlow) {
  const Canvas enabled = Paint(2, kStateNormal);
  const Canvas disabled = Paint(2, kStateNormal, 100, 30, false);
  // (3, 12) lies inside the first glow ellipse only, left of the gloss: the plain face.
  EXPECT_EQ(disabled.At(3, 12), kCandyDisabledFace);
  EXPECT_EQ(enabled.At(3, 12), MakeColor(80, 153, 233));
  // Low in the middle the glow has reached its bright colour.
  EXPECT_EQ(disabled.At(50, 26), kWhite);
  EXPECT_EQ(enabled.At(50, 26), MakeColor(176, 237, 255));
}

TEST(CandyFace, FaceColourFollowsTheState) {
  CandyColors colors{1, 2, 3, 4};
  EXPECT_EQ(CandyFaceColor(colors, kStateNormal), 1u);
  EXPECT_EQ(CandyFaceColor(colors, kStateFocused), 1u);
  EXPECT_EQ(CandyFaceColor(colors, kStateHover), 2u);
  EXPECT_EQ(CandyFaceColor(colors, kStatePressed), 3u);
  EXPECT_EQ(CandyFaceColor(colors, kStateChecked), 3u);
  const Canvas hover = Paint(4, kStateHover);
  EXPECT_EQ(hover.At(3, 9), MakeColor(144, 192, 255));  // plain face: outside glow and gloss
}

TEST(CandyFace, GlossShadesFromWhiteDownTheTopRows) {
  const Canvas c = Paint(2, kStateNormal);
  const Color face = MakeColor(80, 153, 233);
  EXPECT_EQ(c.At(20, 5), BlendColors(kWhite, face, 5 * 50 / 16));
  EXPECT_EQ(c.At(50, 1), BlendColors(kWhite, face, 3));
  EXPECT_EQ(c.At(79, 5), c.At(20, 5));
}

TEST(CandyFace, BorderIsTheFaceBlendedBothWaysAndDrawnOnBothSides) {
  for (int style : {2, 3, 4, 5, 7}) {
    SCOPED_TRACE(style);
    const Canvas light = Paint(style, kStateNormal, 100, 30, true, 100);
    const Canvas dark = Paint(style, kStateNormal, 100, 30, true, -100);
    // Beside the gloss band too: rows 10 and 15 follow gloss rows in every style.
    EXPECT_EQ(light.At(0, 10), kWhite);
    EXPECT_EQ(dark.At(99, 10), kBlack);
    EXPECT_EQ(light.At(0, 15), kWhite);
    EXPECT_EQ(light.At(99, 15), kWhite);
    EXPECT_EQ(dark.At(0, 15), kBlack);
    EXPECT_EQ(dark.At(99, 15), kBlack);
    EXPECT_EQ(dark.At(50, 29), kBlack);  // bottom border, under the glow
    ExpectMirrored(light, 99);
  }
  EXPECT_EQ(CandyBorderColor(MakeColor(80, 153, 233), -50), MakeColor(40, 77, 117));
}

TEST(CandyFace, PillHasAHalfToneBorderAndShadesTowardTheEdges) {
  const int w = 90, h = 31;  // r = 10; last column 89, last row 30
  const Canvas c = Paint(6, kStateNormal, w, h);
  const Color face = MakeColor(80, 153, 233);
  const Color bright = MakeColor(176, 237, 255);
  EXPECT_EQ(c.At(0, 15), BlendColors(kBlack, face, 50));
  EXPECT_EQ(c.At(0, 0), kBack);  // outside the shape: not drawn
  EXPECT_EQ(c.At(45, 15), face);  // the middle row: d = 0
  EXPECT_EQ(c.At(45, 25), BlendColors(face, bright, 66));  // |50 - 30| x 100 / 30
  // The highlight band: rows 2 .. r/2 - 1 at x >= 4, in the row's top colour.
  EXPECT_EQ(c.At(20, 3), BlendColors(kWhite, face, 9));
  EXPECT_EQ(c.At(20, 6), BlendColors(face, bright, 60));  // |12 - 30| x 100 / 30
  ExpectMirrored(c, w - 1);
  // A pill is never greyed.
  const Canvas disabled = Paint(6, kStateNormal, w, h, false);
  EXPECT_EQ(disabled.pixels(), c.pixels());
}

TEST(CandyFace, Style0OutlineAndStateFrames) {
  const Canvas normal = Paint(0, kStateNormal);
  const int w = 99, h = 29;
  EXPECT_EQ(normal.At(0, 0), kBack);
  EXPECT_EQ(normal.At(1, 0), MakeColor(122, 149, 168));
  EXPECT_EQ(normal.At(0, 1), MakeColor(122, 149, 168));
  EXPECT_EQ(normal.At(1, 1), MakeColor(37, 87, 131));
  EXPECT_EQ(normal.At(50, 0), MakeColor(0, 60, 116));
  EXPECT_EQ(normal.At(w, 15), MakeColor(0, 60, 116));
  EXPECT_EQ(normal.At(50, h), MakeColor(0, 60, 116));
  EXPECT_EQ(normal.At(w, h - 1), MakeColor(122, 149, 168));
  EXPECT_EQ(normal.At(50, 1), ShadeColors(kWhite, MakeColor(236, 235, 230), 1, h - 3));
  EXPECT_EQ(normal.At(50, h - 1), MakeColor(214, 208, 197));

  const Canvas focused = Paint(0, kStateFocused);
  EXPECT_EQ(focused.At(50, 1), MakeColor(206, 231, 255));
  EXPECT_EQ(focused.At(50, 2), MakeColor(188, 212, 246));
  EXPECT_EQ(focused.At(1, 10), ShadeColors(MakeColor(188, 212, 246), MakeColor(137, 173, 228), 10, h));
  EXPECT_EQ(focused.At(w - 1, 10), focused.At(1, 10));
  EXPECT_EQ(focused.At(50, 10), normal.At(50, 10));
  EXPECT_EQ(focused.At(50, h - 1), MakeColor(105, 130, 238));

  const Canvas hover = Paint(0, kStateHover);
  EXPECT_EQ(hover.At(50, h - 1), MakeColor(229, 151, 0));
  EXPECT_EQ(hover.At(50, h - 2), MakeColor(248, 178, 48));

  const Canvas pressed = Paint(0, kStatePressed);
  EXPECT_EQ(pressed.At(50, 1), MakeColor(209, 204, 193));
  EXPECT_EQ(pressed.At(50, 3), ShadeColors(MakeColor(209, 204, 193), MakeColor(229, 228, 221), 2, 3));
  EXPECT_EQ(pressed.At(50, 4), ShadeColors(MakeColor(229, 228, 221), MakeColor(226, 226, 218), 4, h - 6));
  EXPECT_EQ(pressed.At(50, h - 1), MakeColor(242, 241, 238));

  EXPECT_EQ(Paint(0, kStateChecked).pixels(), normal.pixels());
}

TEST(CandyFace, Style1ShowsAFaceOnlyWhenUsed) {
  const int w = 99, h = 29;
  for (int state : {kStateNormal, kStateFocused}) {
    const Canvas c = Paint(1, state);
    for (Color px : c.pixels()) ASSERT_EQ(px, kBack);
  }
  const Canvas hover = Paint(1, kStateHover);
  EXPECT_EQ(hover.At(50, 1), MakeColor(254, 254, 253));
  EXPECT_EQ(hover.At(50, h - 1), MakeColor(215, 210, 198));
  EXPECT_EQ(hover.At(50, 0), MakeColor(206, 206, 195));
  EXPECT_EQ(hover.At(w, h - 1), MakeColor(232, 232, 221));
  const Canvas pressed = Paint(1, kStatePressed);
  EXPECT_EQ(pressed.At(50, 2), ShadeColors(MakeColor(220, 218, 209), MakeColor(231, 230, 224), 1, 3));
  EXPECT_EQ(pressed.At(w - 1, h), MakeColor(215, 215, 204));
  const Canvas checked = Paint(1, kStateChecked);
  EXPECT_EQ(checked.At(50, 15), kWhite);
  EXPECT_EQ(checked.At(1, 1), MakeColor(152, 175, 190));
  EXPECT_EQ(checked.At(0, 15), MakeColor(122, 152, 175));
  EXPECT_EQ(checked.At(0, 0), kBack);
}

TEST(CandyFace, StylesBeyond7AndEmptyCanvasesDrawNoFace) {
  const Canvas none = Paint(8, kStateHover);
  for (Color px : none.pixels()) ASSERT_EQ(px, kBack);
  for (int style = 0; style < 8; ++style) {
    Paint(style, kStateNormal, 0, 0);
    Paint(style, kStatePressed, 1, 1);
    Paint(style, kStateHover, 3, 2);
  }
}

}  // namespace
}  // namespace dusk
