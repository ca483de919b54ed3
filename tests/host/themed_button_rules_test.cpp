// The themed button's rules without a window: the two pixel-exact faces, the gradients
// and colour steps they are made of, caption and icon placement, window outlines, the
// grey icon pixels, the input state table and the stored property set.
#include <gtest/gtest.h>

#include <algorithm>

#include "widgets/icon_grayscale.h"
#include "widgets/themed_input.h"
#include "widgets/themed_layout.h"
#include "widgets/themed_paint.h"
#include "widgets/themed_props.h"

namespace dusk {
namespace {

constexpr Color kFace = MakeColor(212, 208, 200);

Canvas Paint(int style, int state, bool focused = false, int w = 80, int h = 24) {
  Canvas canvas(w, h, kBlack);
  ThemedFace face;
  face.style = style;
  face.state = state;
  face.focused = focused;
  face.button_face = kFace;
  PaintThemedFace(canvas, face);
  return canvas;
}

TEST(ThemedColours, ShiftClampsEachChannelAndGradientsRoundHalvesToEven) {
  EXPECT_EQ(ShiftColor(kFace, 96), kWhite);
  EXPECT_EQ(ShiftColor(MakeColor(10, 100, 250), -48), MakeColor(0, 52, 202));
  EXPECT_EQ(GradientColor(MakeColor(0, 1, 3), MakeColor(1, 2, 4), 1, 2), MakeColor(0, 2, 4));
  EXPECT_EQ(GradientColor(kBlack, kWhite, 3, 3), kWhite);
  EXPECT_EQ(GradientColor(MakeColor(200, 0, 0), MakeColor(100, 0, 0), 1, 3), MakeColor(167, 0, 0));

  Canvas canvas(6, 6, kBlack);
  RowGradient(canvas, kWhite, kWhite, 0, 0, 6, 0);  // no steps: nothing drawn
  RowGradient(canvas, kWhite, kWhite, 0, 0, 6, -2);
  EXPECT_EQ(canvas.At(0, 0), kBlack);
  ColumnGradient(canvas, kBlack, MakeColor(0, 0, 200), 1, 5, 3, 2);  // upward, end excluded
  EXPECT_EQ(canvas.At(1, 5), kBlack);
  EXPECT_EQ(canvas.At(2, 3), MakeColor(0, 0, 100));
  EXPECT_EQ(canvas.At(3, 5), MakeColor(0, 0, 200));
  EXPECT_EQ(canvas.At(3, 2), kBlack);
}

TEST(ThemedStyle8, NormalFaceOnTheClassicGreyMatchesTheSetColours) {
  const Canvas c = Paint(8, kThemedNormal);
  const int W = c.width(), H = c.height();
  EXPECT_EQ(c.At(W - 2, 1), kFace);  // outside every line: the face fill
  EXPECT_EQ(c.At(2, 2), MakeColor(227, 223, 215));      // gradient top, from its first column
  EXPECT_EQ(c.At(W - 4, H - 4), MakeColor(197, 193, 185));  // bottom row, last column
  EXPECT_EQ(c.At(2, 1), kWhite);  // inner lines clamp at white
  EXPECT_EQ(c.At(1, H - 4), kWhite);
  EXPECT_EQ(c.At(5, H - 3), kFace);
  EXPECT_EQ(c.At(2, 0), MakeColor(164, 160, 152));  // border
  EXPECT_EQ(c.At(W - 2, H - 4), MakeColor(164, 160, 152));
  EXPECT_EQ(c.At(1, 1), MakeColor(164, 160, 152));
  EXPECT_EQ(c.At(3, H - 1), MakeColor(185, 181, 173));  // shadow: border + 21
  EXPECT_EQ(c.At(W - 3, H - 1), MakeColor(200, 196, 188));  // corner pixel: shadow + 15
  EXPECT_EQ(Paint(8, kThemedNormal, true).At(2, 0), MakeColor(116, 112, 104));
}

TEST(ThemedStyle8, OtherStatesLightenTheFacePressedTurnsTheLightAround) {
  const Color lighter = MakeColor(227, 223, 215);
  const Canvas hot = Paint(8, kThemedHot);
  EXPECT_EQ(hot.At(hot.width() - 2, 1), lighter);
  const Canvas pressed = Paint(8, kThemedPressed, true);
  const int H = pressed.height();
  EXPECT_EQ(pressed.At(2, 2), MakeColor(212, 208, 200));  // (f - 15) at the top
  EXPECT_EQ(pressed.At(2, H - 4), MakeColor(242, 238, 230));
  EXPECT_EQ(pressed.At(2, 1), lighter);  // top line in f, bottom in f + 96
  EXPECT_EQ(pressed.At(5, H - 3), kWhite);
  EXPECT_EQ(pressed.At(2, 0), MakeColor(164, 160, 152));  // focus does not darken a press
  ThemedFace custom;
  custom.style = 8;
  custom.state = kThemedHot;
  custom.custom_colors = true;
  custom.back_color = MakeColor(0, 0, 100);
  custom.highlight_color = MakeColor(0, 120, 0);
  Canvas c(40, 20, kBlack);
  PaintThemedFace(c, custom);
  EXPECT_EQ(c.At(38, 1), MakeColor(0, 120, 0));
  EXPECT_EQ(c.At(2, 0), MakeColor(0, 0, 52));  // the border follows the back colour
}

TEST(ThemedStyle9, BaseColourFollowsTheStateAndPressedIsLighterThanNormal) {
  // Pixel (W - 2, H - 4) lies only under the edge column gradient's last row: b - 128.
  const Canvas normal = Paint(9, kThemedNormal);
  const Canvas pressed = Paint(9, kThemedPressed);
  const Canvas disabled = Paint(9, kThemedDisabled);
  const int W = normal.width();
  // Body gradient first row (b + 32) at the middle of the top, under no later line.
  EXPECT_EQ(normal.At(W / 2, 2), ShiftColor(kFace, -15 + 32));
  EXPECT_EQ(pressed.At(W / 2, 2), ShiftColor(kFace, 24 + 32));
  EXPECT_EQ(disabled.At(W / 2, 2), ShiftColor(kFace, 15 + 32));
  EXPECT_EQ(normal.At(W / 2, 0), ShiftColor(kFace, -15 + 48));  // top line b + 48
  EXPECT_EQ(normal.At(1, normal.height() - 3), ShiftColor(kFace, -15 - 112));
  EXPECT_EQ(normal.At(W / 2, normal.height() - 2), ShiftColor(kFace, -15 - 128));
}

TEST(ThemedStyles, EveryStyleKeepsItsMarginAndAnEmptyCanvasIsSafe) {
  const int margins[kThemedStyleCount] = {3, 3, 3, 3, 3, 3, 3, 4, 4, 6, 7};
  for (int s = 0; s < kThemedStyleCount; ++s) EXPECT_EQ(ThemedStyleMargin(s), margins[s]) << s;
  for (int s = 0; s < kThemedStyleCount; ++s)
    for (int state = kThemedNormal; state <= kThemedDisabled; ++state) {
      Canvas tiny(0, 0);
      ThemedFace face;
      face.style = s;
      face.state = state;
      PaintThemedFace(tiny, face);
      Paint(s, state, false, 3, 3);  // lines running off a small face clip
      if (s != kThemedEngineStyle) {
        // The look of a state differs from the normal look somewhere, except where the
        // style has no separate disabled look.
        const Canvas a = Paint(s, kThemedNormal), b = Paint(s, state);
        if (state == kThemedPressed) {
          EXPECT_NE(a.pixels(), b.pixels()) << "style " << s;
        }
      }
    }
  EXPECT_EQ(Paint(6, kThemedNormal).At(5, 5), kBlack);  // the theme engine's, not painted here
}

TEST(ThemedLayout, CaptionRectangleAndFormatFollowTheAlignment) {
  const ThemedRect m{4, 4, 54, 17};
  EXPECT_EQ(ThemedCaptionRect(0, 100, 30, 4, m), (ThemedRect{21, 8, 75, 22}));
  EXPECT_EQ(ThemedCaptionRect(1, 100, 30, 4, m), (ThemedRect{4, 8, 58, 22}));
  EXPECT_EQ(ThemedCaptionRect(2, 100, 30, 4, m), (ThemedRect{38, 8, 92, 22}));
  // m / 2 = 1.5 and 14.5 round to even: 2 and 14
  EXPECT_EQ(ThemedCaptionRect(3, 100, 30, 3, m), (ThemedRect{21, 2, 75, 14}));
  EXPECT_EQ(ThemedCaptionRect(4, 100, 30, 7, m), (ThemedRect{21, 14, 75, 26}));
  EXPECT_EQ(ThemedCaptionFormat(0, false), 21u);
  EXPECT_EQ(ThemedCaptionFormat(4, false), 25u);
  EXPECT_EQ(ThemedCaptionFormat(2, true), 22u | 0x20000u);
  EXPECT_EQ(ThemedCaptionFormat(9, false), 21u);
  EXPECT_EQ(ThemedMeasureFormat(true), 1040u | 0x20000u);
}

TEST(ThemedLayout, IconPlacementMovesWithThePressOnly) {
  EXPECT_EQ(ThemedIconPosition(0, 101, 31, 16, 4, false), (ThemedPoint{42, 8}));  // 42.5, 7.5
  EXPECT_EQ(ThemedIconPosition(1, 100, 30, 16, 4, false), (ThemedPoint{4, 7}));
  EXPECT_EQ(ThemedIconPosition(2, 100, 30, 16, 4, true), (ThemedPoint{81, 8}));
  EXPECT_EQ(ThemedIconPosition(3, 100, 30, 16, 6, false), (ThemedPoint{42, 6}));
  EXPECT_EQ(ThemedIconPosition(4, 100, 30, 16, 7, false), (ThemedPoint{42, 7}));
}

TEST(ThemedLayout, WindowOutlinesByStyle) {
  const ThemedShape s8 = ThemedWindowShape(8, 50, 20, true);
  ASSERT_EQ(s8.kind, ThemedShape::kPolygon);
  EXPECT_EQ(s8.points, (std::vector<ThemedPoint>{{0, 2}, {2, 0}, {47, 0}, {50, 3}, {50, 17}, {47, 20}, {4, 20}, {0, 16}}));
  EXPECT_EQ(ThemedWindowShape(5, 50, 20, true).points[5], (ThemedPoint{48, 20}));
  const ThemedShape s10 = ThemedWindowShape(10, 50, 20, true);
  EXPECT_EQ(s10.kind, ThemedShape::kRoundRectangle);
  EXPECT_EQ(s10.box, (ThemedRect{0, 0, 51, 21}));
  EXPECT_EQ(s10.corner, 18);
  EXPECT_EQ(ThemedWindowShape(6, 50, 20, true).box, (ThemedRect{-1, -1, 51, 21}));
  EXPECT_EQ(ThemedWindowShape(6, 50, 20, false).kind, ThemedShape::kRectangle);
  EXPECT_EQ(ThemedWindowShape(0, 50, 20, true).box, (ThemedRect{0, 0, 50, 20}));
}

TEST(ThemedLayout, CaptionColourBySchemeAndState) {
  const ThemedTextColors c{1, 2, 3, 4};
  EXPECT_EQ(ThemedCaptionColor(false, kThemedHot, c), 1u);
  EXPECT_EQ(ThemedCaptionColor(false, kThemedDisabled, c), 2u);
  EXPECT_EQ(ThemedCaptionColor(true, kThemedNormal, c), 3u);
  EXPECT_EQ(ThemedCaptionColor(true, kThemedPressed, c), 4u);
  EXPECT_EQ(ThemedCaptionColor(true, kThemedDisabled, c), 2u);
}

TEST(ThemedLayout, PointerValuesPickSystemCursorsAndUnknownOnesTheArrow) {
  EXPECT_EQ(ThemedPointerCursor(0), 32512);
  EXPECT_EQ(ThemedPointerCursor(3), 32513);
  EXPECT_EQ(ThemedPointerCursor(11), 32514);
  EXPECT_EQ(ThemedPointerCursor(15), 32646);
  EXPECT_EQ(ThemedPointerCursor(16), 32512);
  EXPECT_EQ(ThemedPointerCursor(99), 32512);
  EXPECT_EQ(ThemedPointerCursor(-1), 32512);
}

TEST(IconGrayscale, ColoursTurnGreyKeptGreysStay) {
  EXPECT_EQ(GreyscalePixel(MakeColor(255, 0, 0)), MakeColor(84, 84, 84));
  EXPECT_EQ(GreyscalePixel(MakeColor(144, 144, 144)), MakeColor(148, 148, 148));
  EXPECT_EQ(GreyscalePixel(MakeColor(0, 0, 255)), MakeColor(28, 28, 28));
  EXPECT_EQ(GreyscalePixel(MakeColor(255, 255, 254)), kWhite);  // the sum of weights passes 1
  for (int v : {0, 16, 128, 160, 240, 255}) EXPECT_EQ(GreyscalePixel(MakeColor(v, v, v)), MakeColor(v, v, v)) << v;
  EXPECT_EQ(GreyscalePixel(MakeColor(100, 100, 100)), MakeColor(103, 103, 103));
  EXPECT_FALSE(IsKeptGrey(MakeColor(16, 16, 17)));
}

ThemedSteps Kinds(std::initializer_list<ThemedStep::Kind> kinds) {
  ThemedSteps steps;
  for (auto k : kinds) steps.push_back({k});
  return steps;
}

TEST(ThemedInputTable, PushButtonClicksOnlyWhenReleasedOverIt) {
  ThemedInput in;
  EXPECT_EQ(in.MouseMove(), Kinds({ThemedStep::kTrackLeave, ThemedStep::kDraw, ThemedStep::kEnter, ThemedStep::kShowTip}));
  EXPECT_EQ(in.state(), kThemedHot);
  EXPECT_TRUE(in.MouseMove().empty());  // already hovering
  in.LeftDown();
  EXPECT_EQ(in.state(), kThemedPressed);
  EXPECT_EQ(in.LeftUp(true), Kinds({ThemedStep::kTrackLeave, ThemedStep::kDraw, ThemedStep::kClick}));
  EXPECT_EQ(in.state(), kThemedHot);

  in.LeftDown();
  EXPECT_EQ(in.MouseLeave(), Kinds({ThemedStep::kHideTip, ThemedStep::kDraw, ThemedStep::kLeave}));
  const ThemedSteps away = in.LeftUp(false);
  EXPECT_EQ(std::count(away.begin(), away.end(), ThemedStep{ThemedStep::kClick}), 0);
  EXPECT_EQ(in.state(), kThemedNormal);
  EXPECT_TRUE(in.LeftUp(true).empty());  // no press pending: a stray release does nothing

  // A click sent as messages, with no pointer-enter: the leave notice only restores the look.
  ThemedInput sent;
  sent.LeftDown();
  sent.LeftUp(true);
  EXPECT_EQ(sent.state(), kThemedHot);
  EXPECT_EQ(sent.MouseLeave(), Kinds({ThemedStep::kDraw}));
  EXPECT_EQ(sent.state(), kThemedNormal);

  // Released outside before the leave notice came: the hover ends with the release.
  in.MouseMove();
  in.LeftDown();
  EXPECT_EQ(in.LeftUp(false), Kinds({ThemedStep::kHideTip, ThemedStep::kDraw, ThemedStep::kLeave}));
  EXPECT_FALSE(in.hovering());
}

TEST(ThemedInputTable, ToggleButtonFlipsOnEveryClickAndDrawsPressedWhileOn) {
  ThemedInput in;
  in.SetToggle(true);
  in.LeftDown();
  EXPECT_EQ(in.LeftUp(true).back(), ThemedStep{ThemedStep::kClick});
  EXPECT_TRUE(in.value());
  EXPECT_EQ(in.DrawnState(), kThemedPressed);
  in.LeftDown();
  EXPECT_EQ(in.LeftUp(true).back(), ThemedStep{ThemedStep::kClick});
  EXPECT_FALSE(in.value());
  EXPECT_EQ(in.DrawnState(), kThemedHot);
  in.KeyDown(kThemedKeySpace);
  EXPECT_EQ(in.KeyUp(kThemedKeySpace), Kinds({ThemedStep::kDraw, ThemedStep::kClick}));
  EXPECT_TRUE(in.value());
  in.Click();
  EXPECT_FALSE(in.value());
  in.LeftDown();
  in.LeftUp(false);
  EXPECT_FALSE(in.value());  // no click, no flip
}

TEST(ThemedInputTable, KeysFocusAndDisabling) {
  ThemedInput in;
  EXPECT_EQ(in.KeyDown(kThemedKeyRight), Kinds({ThemedStep::kFocusNext}));
  EXPECT_EQ(in.KeyDown(kThemedKeyDown), Kinds({ThemedStep::kFocusNext}));
  EXPECT_EQ(in.KeyDown(kThemedKeyLeft), Kinds({ThemedStep::kFocusPrevious}));
  EXPECT_EQ(in.KeyDown(kThemedKeyUp), Kinds({ThemedStep::kFocusPrevious}));
  EXPECT_EQ(in.KeyDown(kThemedKeyTab), Kinds({ThemedStep::kLeave}));
  EXPECT_TRUE(in.KeyUp(kThemedKeySpace).empty());  // Space never went down here
  EXPECT_EQ(in.Focus(true), Kinds({ThemedStep::kDraw}));
  EXPECT_TRUE(in.focused());
  in.KeyDown(kThemedKeySpace);
  EXPECT_EQ(in.state(), kThemedPressed);
  in.Focus(false);  // focus gone mid-press: no click later, normal look
  EXPECT_TRUE(in.KeyUp(kThemedKeySpace).empty());
  EXPECT_EQ(in.state(), kThemedNormal);

  // Enter clicks a focused button at once, as in a dialog box; its release does nothing.
  in.Focus(true);
  EXPECT_EQ(in.KeyDown(kThemedKeyEnter), Kinds({ThemedStep::kDraw, ThemedStep::kClick}));
  EXPECT_EQ(in.state(), kThemedNormal);
  EXPECT_TRUE(in.KeyUp(kThemedKeyEnter).empty());

  in.MouseMove();
  in.LeftDown();
  EXPECT_EQ(in.SetEnabled(false), Kinds({ThemedStep::kDraw, ThemedStep::kHideTip}));
  EXPECT_EQ(in.DrawnState(), kThemedDisabled);
  EXPECT_TRUE(in.LeftUp(true).empty());
  EXPECT_TRUE(in.Click().empty());
  EXPECT_TRUE(in.MouseMove().empty());
  in.SetEnabled(true);
  EXPECT_EQ(in.state(), kThemedNormal);
  EXPECT_TRUE(in.LeftUp(true).empty());  // the press before disabling is forgotten
}

TEST(ThemedProperties, StoredSetUsesItsOwnDefaultsAndRoundTrips) {
  const ThemedProps loaded = LoadThemedProps(PropertyBag{});
  EXPECT_EQ(loaded.style, 3);  // a stored set without a style
  EXPECT_EQ(ThemedProps{}.style, 0);  // a new button
  EXPECT_EQ(loaded.non_theme_style, 5);
  // Tooltip colours: background in the tooltip background colour, text in its text colour.
  EXPECT_EQ(loaded.tooltip_back_color, kSysInfoBackground);
  EXPECT_EQ(loaded.tooltip_fore_color, kSysInfoText);
  EXPECT_EQ(loaded.mask_color, MakeColor(192, 192, 192));
  EXPECT_TRUE(loaded.rounded_by_theme);

  PropertyBag bag;
  ThemedProps props;
  SaveThemedProps(props, bag);
  EXPECT_EQ(bag.Find("Style"), 0);  // differs from the set's default, so it is written
  EXPECT_EQ(bag.size(), 1u);
  props.style = 9;
  props.custom_colors = true;
  props.back_color = MakeColor(1, 2, 3);
  props.tooltip_type = 0;
  props.right_to_left = true;
  PropertyBag again;
  SaveThemedProps(props, again);
  EXPECT_TRUE(again.Contains("USeCustomColors"));
  EXPECT_TRUE(again.Contains("bRTLText"));
  const ThemedProps back = LoadThemedProps(again);
  EXPECT_EQ(back.style, 9);
  EXPECT_EQ(back.back_color, MakeColor(1, 2, 3));
  EXPECT_EQ(back.tooltip_type, 0);
  EXPECT_TRUE(back.right_to_left);
  EXPECT_TRUE(ThemedPropertyNeedsLayout(ThemedProperty::kIconSize));
  EXPECT_FALSE(ThemedPropertyNeedsLayout(ThemedProperty::kOther));
}

}  // namespace
}  // namespace dusk
