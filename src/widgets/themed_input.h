// How the themed button answers the mouse, the keyboard and focus: the state it draws,
// the value of a toggle button, and the events it raises, in order. The window turns each
// step into a paint, a notification, a tooltip or a focus move.
#pragma once
#include <vector>

#include "widgets/themed_paint.h"

namespace dusk {

struct ThemedStep {
  enum Kind {
    kDraw,        // repaint in the current state
    kClick,       // the click event
    kEnter,       // the pointer-enter event
    kLeave,       // the pointer-leave event
    kTrackLeave,  // ask for the pointer-leave notice
    kShowTip,
    kHideTip,
    kFocusNext,   // as Tab
    kFocusPrevious,  // as Shift+Tab
  } kind;
  bool operator==(const ThemedStep&) const = default;
};

using ThemedSteps = std::vector<ThemedStep>;

inline constexpr int kThemedKeyTab = 9;
inline constexpr int kThemedKeyEnter = 13;
inline constexpr int kThemedKeySpace = 32;
inline constexpr int kThemedKeyLeft = 37;
inline constexpr int kThemedKeyUp = 38;
inline constexpr int kThemedKeyRight = 39;
inline constexpr int kThemedKeyDown = 40;

class ThemedInput {
 public:
  int state() const { return state_; }
  bool value() const { return value_; }
  bool toggle() const { return toggle_; }
  bool hovering() const { return hovering_; }
  bool focused() const { return focused_; }
  bool enabled() const { return state_ != kThemedDisabled; }

  // The state a painting shows: pressed for a toggled button, disabled when disabled.
  int DrawnState() const;

  void SetToggle(bool toggle) { toggle_ = toggle; }
  ThemedSteps SetValue(bool value);
  ThemedSteps SetEnabled(bool enabled);

  ThemedSteps LeftDown();
  // `inside`: the pointer is still over the button when the button is released.
  ThemedSteps LeftUp(bool inside);
  ThemedSteps DoubleClick() { return LeftDown(); }
  // A click that is not a mouse release: an access key or a programmatic click.
  ThemedSteps Click();
  ThemedSteps KeyDown(int key);
  ThemedSteps KeyUp(int key);
  ThemedSteps MouseMove();
  ThemedSteps MouseLeave();
  ThemedSteps Focus(bool focused);

 private:
  void Flip();

  int state_ = kThemedNormal;
  bool value_ = false;
  bool toggle_ = false;
  bool hovering_ = false;
  bool focused_ = false;
  bool left_down_ = false;   // the left button went down on the button
  int key_down_ = 0;  // Space went down while the button had focus
};

}  // namespace dusk
