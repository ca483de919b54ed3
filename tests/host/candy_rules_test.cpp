// Candy button rules without a window: blends, schemes, the stored set, corner radii,
// the shapes decided pixel by pixel, and where picture and caption go.
#include <gtest/gtest.h>

#include "widgets/candy_color.h"
#include "widgets/candy_layout.h"
#include "widgets/candy_props.h"
#include "widgets/candy_shape.h"

namespace dusk {
namespace {

TEST(CandyColors, BlendTruncatesTowardZeroAndClampsThePercentage) {
  const Color face = MakeColor(80, 153, 233);
  // Darkening: 153 - 76.5 truncates to 153 - 76 = 77 (a floor would give 76).
  EXPECT_EQ(BlendColors(face, kBlack, 50), MakeColor(40, 77, 117));
  EXPECT_EQ(BlendColors(face, kWhite, 50), MakeColor(167, 204, 244));
  EXPECT_EQ(BlendColors(face, kWhite, 150), kWhite);
  EXPECT_EQ(BlendColors(face, kWhite, -20), face);
  EXPECT_EQ(GetRGB(MakeColor(1, 2, 3)), (Rgb{1, 2, 3}));
  EXPECT_EQ(GetRGB(0xFF000000u | MakeColor(9, 8, 7)), (Rgb{9, 8, 7}));
}

TEST(CandyColors, ShadesRoundHalvesToEven) {
  EXPECT_EQ(ShadeColors(MakeColor(0, 1, 10), MakeColor(1, 2, 13), 1, 2), MakeColor(0, 2, 12));
  EXPECT_EQ(ShadeColors(kWhite, MakeColor(236, 235, 230), 0, 7), kWhite);
  EXPECT_EQ(ShadeColors(kWhite, MakeColor(236, 235, 230), 7, 7), MakeColor(236, 235, 230));
  EXPECT_EQ(ShadeColors(kWhite, kBlack, 1, 0), kWhite);  // no shading span: the start colour
}

TEST(CandyProperties, SchemeLoadsItsPresetAndAHandSetColourLeavesIt) {
  CandyProps props;
  props.SetColorScheme(4);
  EXPECT_EQ(props.color_scheme, 4);
  EXPECT_EQ(props.colors.up, 128u);
  EXPECT_EQ(props.colors.hover, 160u);
  EXPECT_EQ(props.colors.down, 240u);
  EXPECT_EQ(props.colors.bright, 255u);
  props.SetColor(CandyColorRole::kButtonUp, 77);
  EXPECT_EQ(props.color_scheme, 0);
  EXPECT_EQ(props.colors.hover, 160u);  // the rest of the preset stays

  props.SetColorScheme(1);
  EXPECT_EQ(props.colors, (CandyColors{13657888, 15309136, 10512144, 16772528}));
  props.SetColorScheme(0);  // own colours: nothing is reloaded
  EXPECT_EQ(props.color_scheme, 0);
  EXPECT_EQ(props.colors.up, 13657888u);
  props.SetColorScheme(2);
  EXPECT_EQ(props.colors, (CandyColors{13668448, 14704640, 11108432, 16775930}));
  props.SetColorScheme(6);
  EXPECT_EQ(props.colors, (CandyColors{32896, 41120, 49344, 65535}));
}

TEST(CandyProperties, BorderBrightnessIsClampedToPlusMinus100) {
  CandyProps props;
  props.SetBorderBrightness(150);
  EXPECT_EQ(props.border_brightness, 100);
  props.SetBorderBrightness(-150);
  EXPECT_EQ(props.border_brightness, -100);
  props.SetBorderBrightness(-40);
  EXPECT_EQ(props.border_brightness, -40);
}

TEST(CandyProperties, StoredSetKeepsOnlyChangesAndReadsBackDefaults) {
  CandyProps defaults;
  EXPECT_EQ(defaults.colors, (CandyColors{15309136, 16760976, 15309136, 16772528}));
  PropertyBag empty_bag;
  SaveCandyProps(defaults, empty_bag);
  EXPECT_EQ(empty_bag.size(), 0u);

  CandyProps changed;
  changed.style = 3;
  changed.SetColorScheme(5);
  changed.checked = true;
  changed.picture_alignment = 2;
  changed.icon_highlite_color = 12345;
  PropertyBag bag;
  SaveCandyProps(changed, bag);
  EXPECT_EQ(bag.Read("Style", -1), 3);
  EXPECT_EQ(bag.Read("ColorScheme", -1), 5);
  const CandyProps loaded = LoadCandyProps(bag);
  EXPECT_EQ(loaded.style, 3);
  EXPECT_EQ(loaded.color_scheme, 5);
  EXPECT_EQ(loaded.colors, changed.colors);
  EXPECT_TRUE(loaded.checked);
  EXPECT_EQ(loaded.picture_alignment, 2);
  EXPECT_EQ(loaded.icon_highlite_color, 12345u);
  EXPECT_EQ(loaded.caption_highlite_color, kCandyHighLiteDefault);

  PropertyBag out_of_range;
  out_of_range.Write("BorderBrightness", 900, 0);
  EXPECT_EQ(LoadCandyProps(out_of_range).border_brightness, 100);
}

TEST(CandyShape, CornerRadiusPerStyleWithItsClamps) {
  EXPECT_EQ(CandyCornerRadius(2, 100, 30), 16);
  EXPECT_EQ(CandyCornerRadius(4, 100, 30), 16);
  EXPECT_EQ(CandyCornerRadius(5, 20, 30), 10);  // at most half the width
  EXPECT_EQ(CandyCornerRadius(3, 100, 30), 12);
  EXPECT_EQ(CandyCornerRadius(3, 10, 10), 12);  // fixed; the shape limits it when drawn
  EXPECT_EQ(CandyCornerRadius(6, 90, 31), 10);
  EXPECT_EQ(CandyCornerRadius(6, 12, 31), 4);
  EXPECT_EQ(CandyCornerRadius(7, 100, 30), 8);
  EXPECT_EQ(CandyCornerRadius(2, 100, 0), 1);  // at least 1
  EXPECT_EQ(CandyCornerRadius(0, 100, 30), 0);
  EXPECT_EQ(CandyCornerRadius(1, 100, 30), 0);
  EXPECT_FALSE(CandyStyleIsRounded(1));
  EXPECT_TRUE(CandyStyleIsRounded(7));
  EXPECT_FALSE(CandyStyleIsRounded(8));
}

TEST(CandyShape, RoundedShapeIsSymmetricCutAtTheCornersAndFullInTheMiddle) {
  const int w = 100, h = 30, r = 16;
  const RoundRect outer = CandyOuterShape(w, h, r);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      ASSERT_EQ(outer.Contains(x, y), outer.Contains(w - 1 - x, y)) << x << "," << y;
      ASSERT_EQ(outer.Contains(x, y), outer.Contains(x, h - 1 - y)) << x << "," << y;
    }
  EXPECT_FALSE(outer.Contains(0, 0));
  EXPECT_FALSE(outer.Contains(2, 2));
  EXPECT_TRUE(outer.Contains(16, 0));  // where the straight top edge starts
  EXPECT_TRUE(outer.Contains(0, 15));  // the middle of the left side
  EXPECT_TRUE(outer.Contains(50, 15));
  EXPECT_FALSE(outer.Contains(100, 15));
  // The inner shape leaves one pixel at the left and top, two at the right and bottom.
  const RoundRect inner = CandyInnerShape(w, h, r);
  EXPECT_FALSE(inner.Contains(0, 15));
  EXPECT_TRUE(inner.Contains(1, 15));
  EXPECT_TRUE(inner.Contains(97, 15));
  EXPECT_FALSE(inner.Contains(98, 15));
}

TEST(CandyShape, RunsCoverExactlyTheShapesPixels) {
  const RoundRect shape = CandyOuterShape(40, 20, 6);
  const std::vector<PixelRun> runs = ShapeRuns(shape, 40, 20);
  ASSERT_EQ(runs.size(), 20u);  // a convex shape: one run per row
  int covered = 0;
  for (const PixelRun& run : runs) {
    EXPECT_TRUE(shape.Contains(run.left, run.y));
    EXPECT_TRUE(shape.Contains(run.right - 1, run.y));
    EXPECT_FALSE(shape.Contains(run.left - 1, run.y));
    EXPECT_FALSE(shape.Contains(run.right, run.y));
    covered += run.right - run.left;
  }
  int counted = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) counted += shape.Contains(x, y);
  EXPECT_EQ(covered, counted);
  EXPECT_EQ(runs[10], (PixelRun{10, 0, 40}));
  EXPECT_TRUE(ShapeRuns(CandyOuterShape(0, 0, 6), 0, 0).empty());
}

TEST(CandyLayout, PicturePositionsPerAlignment) {
  CandyLayoutInput in;
  in.picture_width = 16;
  in.picture_height = 16;
  in.text_width = 30;
  in.text_height = 13;
  in.client_width = 100;
  in.client_height = 40;
  in.alignment = 2;  // picture at the left, rectangular style: 8 pixels in
  EXPECT_EQ(LayOutCandyContent(in), (CandyLayout{8, 13, 35, 13}));
  in.radius = 16;
  EXPECT_EQ(LayOutCandyContent(in).picture_x, 16);
  in.alignment = 3;
  EXPECT_EQ(LayOutCandyContent(in), (CandyLayout{68, 13, 35, 13}));
  in.radius = 0;
  in.alignment = 0;  // (100-16)/2+1, (40-16-13)/2+1 = 6.5 -> 6, |50-15|, |20+8-6.5| = 21.5 -> 21
  EXPECT_EQ(LayOutCandyContent(in), (CandyLayout{43, 6, 35, 21}));
  in.alignment = 1;  // 42, (40-16+13)/2+1 = 19.5 -> 19, 35, |20-14.5| = 5.5 -> 5
  EXPECT_EQ(LayOutCandyContent(in), (CandyLayout{42, 19, 35, 5}));
  in.state = 1;  // pressed: everything one pixel further
  EXPECT_EQ(LayOutCandyContent(in), (CandyLayout{43, 20, 36, 6}));
  in.state = 0;
  in.alignment = 9;
  EXPECT_EQ(LayOutCandyContent(in), (CandyLayout{0, 0, 0, 0}));
  // A caption wider than the button still starts inside it (the distance is absolute).
  in.alignment = 2;
  in.text_width = 130;
  EXPECT_EQ(LayOutCandyContent(in).caption_x, 15);
}

TEST(CandyLayout, AccessKeyPrefixIsHiddenAndFound) {
  EXPECT_EQ(CaptionWithoutPrefix("&Save settings"), "Save settings");
  EXPECT_EQ(CaptionWithoutPrefix("Fish && &Chips"), "Fish & Chips");
  EXPECT_EQ(CaptionWithoutPrefix("End&"), "End");
  EXPECT_EQ(CaptionAccessKey("Fish && &Chips"), 'c');
  EXPECT_EQ(CaptionAccessKey("A && B"), 0);
}

}  // namespace
}  // namespace dusk
