#include <gtest/gtest.h>

#include "widgets/block_progress.h"
#include "widgets/rounded_region.h"

namespace dusk {
namespace {

TEST(BlockProgressRules, SpeedAndDelayAreClampedTo1to60) {
  EXPECT_EQ(ClampUpbSpeed(0), 1);
  EXPECT_EQ(ClampUpbSpeed(100), 60);
  EXPECT_EQ(ClampUpbSpeed(-5), 1);
  EXPECT_EQ(ClampUpbDelay(500), 60);
  EXPECT_EQ(ClampUpbDelay(16), 16);
}

TEST(BlockProgressRules, SweepRunsRightThenTailCatchesUpThenTurns) {
  BlockSweep sweep;
  BlockProgressProps props;
  // Width 20, speed 8: head 8, 16, 24 (overshoot), then tail 8, 16, 24, then a turn.
  EXPECT_TRUE(sweep.Step(20, 8));
  EXPECT_TRUE(sweep.Step(20, 8));
  EXPECT_TRUE(sweep.Step(20, 8));
  EXPECT_EQ(sweep.head, 24);
  EXPECT_EQ(sweep.tail, 0);
  EXPECT_EQ(sweep.HeadColor(props), kUpbOrange);
  EXPECT_EQ(sweep.TailColor(props), kUpbWhite);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(sweep.Step(20, 8));
  EXPECT_EQ(sweep.tail, 24);
  EXPECT_FALSE(sweep.Step(20, 8));  // turning draws nothing
  EXPECT_EQ(sweep.direction, -1);
  EXPECT_EQ(sweep.head, 24);

  // Sweeping left the tail moves first and now leads, so it carries the fore colour.
  EXPECT_TRUE(sweep.Step(20, 8));
  EXPECT_EQ(sweep.tail, 16);
  EXPECT_EQ(sweep.TailColor(props), kUpbOrange);
  EXPECT_EQ(sweep.HeadColor(props), kUpbWhite);
  EXPECT_TRUE(sweep.Step(20, 8));
  EXPECT_TRUE(sweep.Step(20, 8));
  EXPECT_EQ(sweep.tail, 0);
  EXPECT_TRUE(sweep.Step(20, 8));
  EXPECT_EQ(sweep.head, 16);
  EXPECT_TRUE(sweep.Step(20, 8));
  EXPECT_TRUE(sweep.Step(20, 8));
  EXPECT_EQ(sweep.head, 0);
  EXPECT_FALSE(sweep.Step(20, 8));
  EXPECT_EQ(sweep.direction, 0);
}

TEST(BlockProgressRules, ResetKeepsTheDirection) {
  BlockSweep sweep{30, 12, -1};
  sweep.Reset();
  EXPECT_EQ(sweep.head, 0);
  EXPECT_EQ(sweep.tail, 0);
  EXPECT_EQ(sweep.direction, -1);
  // With both ends at 0 a left sweep turns at once.
  EXPECT_FALSE(sweep.Step(481, 8));
  EXPECT_EQ(sweep.direction, 0);
}

TEST(BlockProgressRules, A481PixelBarCrossesInAboutOneSecondWithDefaults) {
  BlockSweep sweep;
  int steps = 0;
  while (sweep.direction == 0 && steps < 1000) {
    sweep.Step(481, 8);
    ++steps;
  }
  // Head and tail each need 61 steps of 8 pixels, plus the turn: 123 ticks of 16 ms.
  EXPECT_EQ(steps, 123);
}

TEST(BlockProgressRules, SeparatorsRunFromZeroUpToTheHead) {
  EXPECT_EQ(BlockSeparatorPositions(0), std::vector<int>({0}));
  EXPECT_EQ(BlockSeparatorPositions(20), std::vector<int>({0, 10, 20}));
  EXPECT_EQ(BlockSeparatorPositions(29), std::vector<int>({0, 10, 20}));
  EXPECT_TRUE(BlockSeparatorPositions(-3).empty());
}

TEST(BlockProgressRules, GradientChannelsAreWidenedTo16Bits) {
  EXPECT_EQ(GradientChannel(kUpbOrange, 0), 255 * 256);
  EXPECT_EQ(GradientChannel(kUpbOrange, 1), 128 * 256);
  EXPECT_EQ(GradientChannel(kUpbOrange, 2), 0);
  EXPECT_EQ(GradientChannel(kUpbPaleOrange, 2), 192 * 256);
}

TEST(BlockProgressStorage, NewControlStoresOnlyValuesThatDifferFromStoredDefaults) {
  PropertyBag bag;
  SaveBlockProgress(BlockProgressProps{}, bag);
  EXPECT_EQ(bag.Find("ForeColor"), 33023);
  EXPECT_EQ(bag.Find("FollowColor"), 16777215);
  EXPECT_EQ(bag.Find("Borders"), 6);
  EXPECT_EQ(bag.Find("ForeSpeed"), 8);
  EXPECT_FALSE(bag.Contains("VerticalColors"));
  EXPECT_FALSE(bag.Contains("Blocks"));
  EXPECT_FALSE(bag.Contains("Delay"));
  EXPECT_EQ(bag.size(), 4u);

  BlockProgressProps back = LoadBlockProgress(bag);
  BlockProgressProps fresh;
  EXPECT_EQ(back.fore_color, fresh.fore_color);
  EXPECT_EQ(back.follow_color, fresh.follow_color);
  EXPECT_EQ(back.borders, fresh.borders);
  EXPECT_EQ(back.fore_speed, fresh.fore_speed);
  EXPECT_EQ(back.delay, fresh.delay);
  EXPECT_EQ(back.blocks, fresh.blocks);
  EXPECT_EQ(back.vertical_colors, fresh.vertical_colors);
}

TEST(BlockProgressStorage, AbsentValuesTakeStoredDefaultsAndAreClamped) {
  PropertyBag empty;
  BlockProgressProps props = LoadBlockProgress(empty);
  EXPECT_EQ(props.fore_speed, 6);  // not the 8 of a new control
  EXPECT_EQ(props.fore_color, 0u);
  EXPECT_EQ(props.borders, 0);
  EXPECT_TRUE(props.blocks);

  PropertyBag wild;
  wild.Write("Delay", 500, 16);
  wild.Write("ForeSpeed", 0, 6);
  props = LoadBlockProgress(wild);
  EXPECT_EQ(props.delay, 60);
  EXPECT_EQ(props.fore_speed, 1);
}

TEST(RoundedRegionSize, TwipsComeBackAsWholePixels) {
  EXPECT_EQ(TwipsToPixels(10875, 15), 725);
  EXPECT_EQ(TwipsToPixels(8805, 15), 587);
  EXPECT_EQ(TwipsToPixels(8805, 12), 734);  // 733.75 at 120 dpi
  EXPECT_EQ(CornerPixels(50 + 1), 51);
  EXPECT_EQ(CornerPixels(2.5), 2);  // halves go to even
}

}  // namespace
}  // namespace dusk
