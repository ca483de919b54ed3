// How the candy button answers mouse, keys and focus: the states it draws and the events
// it raises, in order.
#include <gtest/gtest.h>

#include "widgets/candy_input.h"

namespace dusk {
namespace {

constexpr int kW = 100, kH = 30;

CandyStep Draw(int state) {
  CandyStep s{CandyStep::kDraw};
  s.state = state;
  return s;
}

CandyStep Raise(CandyEvent e, int button = 0, int shift = 0, float x = 0, float y = 0) {
  CandyStep s{CandyStep::kRaise};
  s.event = e;
  s.button = button;
  s.shift = shift;
  s.x = x;
  s.y = y;
  return s;
}

const CandyStep kTrack{CandyStep::kTrackLeave};

TEST(CandyInputKeys, EnterDrawsPressedThenFocusedAndRaisesDownUpClick) {
  CandyInput in;
  EXPECT_EQ(in.FocusIn(), CandySteps{Draw(kStateFocused)});
  EXPECT_EQ(in.KeyDown(kCandyKeyEnter, 1),
            (CandySteps{Draw(kStatePressed), Raise(CandyEvent::kMouseDown, 1, 1, 0, 0)}));
  EXPECT_EQ(in.KeyUp(kCandyKeyEnter, 0),
            (CandySteps{Draw(kStateFocused), Raise(CandyEvent::kMouseUp, 1, 0, 0, 0),
                        Raise(CandyEvent::kClick)}));
  // Space works the same way; other keys are not handled.
  EXPECT_EQ(in.KeyDown(kCandyKeySpace, 0).size(), 2u);
  EXPECT_EQ(in.KeyUp(kCandyKeySpace, 0).back(), Raise(CandyEvent::kClick));
  EXPECT_TRUE(in.KeyDown(65, 0).empty());
  EXPECT_TRUE(in.KeyUp(65, 0).empty());
}

TEST(CandyInputKeys, ReleaseWithoutItsPressDoesNotClick) {
  CandyInput in;
  in.FocusIn();
  // Enter went down in another window (which closed and gave the focus back).
  EXPECT_TRUE(in.KeyUp(kCandyKeyEnter, 0).empty());
  // Pressed here but the focus left before the release.
  in.KeyDown(kCandyKeyEnter, 0);
  in.FocusOut();
  in.FocusIn();
  EXPECT_TRUE(in.KeyUp(kCandyKeyEnter, 0).empty());
  // Enter down, Space up.
  in.KeyDown(kCandyKeyEnter, 0);
  EXPECT_TRUE(in.KeyUp(kCandyKeySpace, 0).empty());
}

TEST(CandyInputMouse, PressAndReleaseInsideClicksOnlyInside) {
  CandyInput in;
  EXPECT_EQ(in.MouseDown(1, 0, 10, 10),
            (CandySteps{Draw(kStatePressed), Raise(CandyEvent::kMouseDown, 1, 0, 10, 10)}));
  EXPECT_TRUE(in.focused());
  EXPECT_EQ(in.MouseUp(1, 0, 12, 11, kW, kH),
            (CandySteps{Draw(kStateFocused), Raise(CandyEvent::kMouseUp, 1, 0, 12, 11),
                        Raise(CandyEvent::kClick)}));
  // Pressed, dragged out (drawn up again), released outside: no click.
  in.MouseDown(1, 0, 10, 10);
  EXPECT_EQ(in.MouseMove(1, 0, 150, 10, kW, kH),
            (CandySteps{Raise(CandyEvent::kMouseMove, 1, 0, 150, 10), Draw(kStateNormal)}));
  EXPECT_EQ(in.MouseUp(1, 0, 150, 10, kW, kH),
            (CandySteps{Draw(kStateFocused), Raise(CandyEvent::kMouseUp, 1, 0, 150, 10)}));
  // Dragged out and back in before the release: a click after all.
  in.MouseDown(1, 0, 10, 10);
  in.MouseMove(1, 0, -5, 10, kW, kH);
  in.MouseMove(1, 0, 5, 10, kW, kH);
  EXPECT_EQ(in.MouseUp(1, 0, 5, 10, kW, kH).back(), Raise(CandyEvent::kClick));
  // The right button never clicks.
  in.MouseDown(2, 0, 10, 10);
  EXPECT_EQ(in.MouseUp(2, 0, 10, 10, kW, kH).back(), Raise(CandyEvent::kMouseUp, 2, 0, 10, 10));
}

TEST(CandyInputMouse, DoubleClickRaisesDblClickAndItsReleaseNoSecondClick) {
  CandyInput in;
  in.MouseDown(1, 0, 5, 5);
  in.MouseUp(1, 0, 5, 5, kW, kH);
  EXPECT_EQ(in.DoubleClick(1, 0, 5, 5), (CandySteps{Draw(kStatePressed), Raise(CandyEvent::kDblClick)}));
  EXPECT_EQ(in.MouseUp(1, 0, 5, 5, kW, kH).back(), Raise(CandyEvent::kMouseUp, 1, 0, 5, 5));
}

TEST(CandyInputHover, EnterAndLeaveTrackThePointer) {
  CandyInput in;
  // The edge pixel is not yet inside.
  EXPECT_EQ(in.MouseMove(0, 0, 0, 10, kW, kH), CandySteps{Raise(CandyEvent::kMouseMove, 0, 0, 0, 10)});
  EXPECT_EQ(in.MouseMove(0, 0, 1, 10, kW, kH),
            (CandySteps{Raise(CandyEvent::kMouseMove, 0, 0, 1, 10), kTrack, Raise(CandyEvent::kMouseEnter),
                        Draw(kStateHover)}));
  EXPECT_TRUE(in.hovering());
  EXPECT_EQ(in.MouseMove(0, 0, 2, 10, kW, kH).size(), 1u);  // entered once
  EXPECT_EQ(in.MouseLeave(), (CandySteps{Raise(CandyEvent::kMouseLeave), Draw(kStateNormal)}));
  in.FocusIn();
  in.MouseMove(0, 0, 5, 5, kW, kH);
  EXPECT_EQ(in.MouseLeave(), (CandySteps{Raise(CandyEvent::kMouseLeave), Draw(kStateFocused)}));
  // Focus arriving while hovered keeps the hover look; the release after a press shows it.
  CandyInput hovered;
  hovered.MouseMove(0, 0, 5, 5, kW, kH);
  EXPECT_TRUE(hovered.FocusIn().empty());
  hovered.MouseDown(1, 0, 5, 5);
  EXPECT_EQ(hovered.MouseUp(1, 0, 5, 5, kW, kH).front(), Draw(kStateHover));
  // A drag out drops the hover look; the leave that follows still pairs with the enter.
  hovered.MouseDown(1, 0, 5, 5);
  hovered.MouseMove(1, 0, -3, 5, kW, kH);
  EXPECT_FALSE(hovered.hovering());
  EXPECT_EQ(hovered.MouseLeave(), (CandySteps{Raise(CandyEvent::kMouseLeave), Draw(kStateFocused)}));
}

TEST(CandyInputHover, NoHoverWithoutTheLeaveNotification) {
  CandyInput in(false);
  EXPECT_EQ(in.MouseMove(0, 0, 5, 5, kW, kH), CandySteps{Raise(CandyEvent::kMouseMove, 0, 0, 5, 5)});
  EXPECT_FALSE(in.hovering());
  EXPECT_EQ(in.MouseDown(1, 0, 5, 5).size(), 2u);  // everything else still works
  EXPECT_EQ(in.MouseUp(1, 0, 5, 5, kW, kH).back(), Raise(CandyEvent::kClick));
}

TEST(CandyInputChecked, CheckedLooksTheSameWhateverHappens) {
  CandyInput in;
  EXPECT_EQ(in.SetChecked(true), CandySteps{Draw(kStateChecked)});
  EXPECT_TRUE(in.FocusIn().empty());
  EXPECT_EQ(in.MouseMove(0, 0, 5, 5, kW, kH).back(), Draw(kStateChecked));
  EXPECT_EQ(in.MouseLeave(), CandySteps{Raise(CandyEvent::kMouseLeave)});
  EXPECT_TRUE(in.FocusOut().empty());
  EXPECT_EQ(in.MouseDown(1, 0, 5, 5).front(), Draw(kStateChecked));
  EXPECT_EQ(in.MouseUp(1, 0, 5, 5, kW, kH),
            (CandySteps{Raise(CandyEvent::kMouseUp, 1, 0, 5, 5), Raise(CandyEvent::kClick)}));
  // Unchecked while hovered: the hover look; otherwise the normal one.
  in.MouseMove(0, 0, 5, 5, kW, kH);
  EXPECT_EQ(in.SetChecked(false), CandySteps{Draw(kStateHover)});
  in.MouseLeave();
  in.SetChecked(true);
  EXPECT_EQ(in.SetChecked(false), CandySteps{Draw(kStateNormal)});
}

TEST(CandyInputEnabled, DisabledButtonIgnoresEverythingAndForgetsHoverAndPress) {
  CandyInput in;
  in.MouseMove(0, 0, 5, 5, kW, kH);
  in.MouseDown(1, 0, 5, 5);
  EXPECT_EQ(in.SetEnabled(false), CandySteps{Draw(kStateNormal)});
  EXPECT_FALSE(in.hovering());
  EXPECT_TRUE(in.MouseUp(1, 0, 5, 5, kW, kH).empty());
  EXPECT_TRUE(in.MouseDown(1, 0, 5, 5).empty());
  EXPECT_TRUE(in.MouseMove(0, 0, 6, 6, kW, kH).empty());
  EXPECT_TRUE(in.MouseLeave().empty());
  EXPECT_TRUE(in.KeyDown(kCandyKeyEnter, 0).empty());
  EXPECT_TRUE(in.DoubleClick(1, 0, 5, 5).empty());
  EXPECT_TRUE(in.FocusIn().empty());
  in.SetEnabled(true);
  // The press from before the disabling does not turn a later release into a click.
  EXPECT_EQ(in.MouseUp(1, 0, 5, 5, kW, kH).back(), Raise(CandyEvent::kMouseUp, 1, 0, 5, 5));
}

}  // namespace
}  // namespace dusk
