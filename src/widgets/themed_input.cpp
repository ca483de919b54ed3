#include "widgets/themed_input.h"

namespace dusk {

int ThemedInput::DrawnState() const {
  if (state_ == kThemedDisabled) return kThemedDisabled;
  if (toggle_ && value_) return kThemedPressed;
  return state_;
}

void ThemedInput::Flip() {
  if (toggle_) value_ = !value_;
}

ThemedSteps ThemedInput::SetValue(bool value) {
  value_ = value;
  return {{ThemedStep::kDraw}};
}

ThemedSteps ThemedInput::SetEnabled(bool enabled) {
  if (enabled == this->enabled()) return {};
  // A press or hover in progress ends with the disabling: their ending messages never come.
  left_down_ = hovering_ = false;
  key_down_ = 0;
  state_ = enabled ? kThemedNormal : kThemedDisabled;
  ThemedSteps steps{{ThemedStep::kDraw}};
  if (!enabled) steps.push_back({ThemedStep::kHideTip});
  return steps;
}

ThemedSteps ThemedInput::LeftDown() {
  if (!enabled()) return {};
  left_down_ = true;
  state_ = kThemedPressed;
  return {{ThemedStep::kDraw}};
}

ThemedSteps ThemedInput::LeftUp(bool inside) {
  if (!enabled() || !left_down_) return {};
  left_down_ = false;
  if (!inside) {
    // Released away from the button: no click, and the hover ends here if its leave
    // notice has not come yet.
    state_ = kThemedNormal;
    if (hovering_) return MouseLeave();
    return {{ThemedStep::kDraw}};
  }
  Flip();
  state_ = kThemedHot;
  return {{ThemedStep::kTrackLeave}, {ThemedStep::kDraw}, {ThemedStep::kClick}};
}

ThemedSteps ThemedInput::Click() {
  if (!enabled()) return {};
  Flip();
  left_down_ = false;
  key_down_ = 0;
  state_ = hovering_ ? kThemedHot : kThemedNormal;
  return {{ThemedStep::kDraw}, {ThemedStep::kClick}};
}

ThemedSteps ThemedInput::KeyDown(int key) {
  if (!enabled()) return {};
  switch (key) {
    case kThemedKeySpace:
      key_down_ = key;
      state_ = kThemedPressed;
      return {{ThemedStep::kDraw}};
    case kThemedKeyEnter:
      // Enter clicks the focused button at once, as a dialog box does with its buttons.
      return Click();
    case kThemedKeyRight: case kThemedKeyDown: return {{ThemedStep::kFocusNext}};
    case kThemedKeyLeft: case kThemedKeyUp: return {{ThemedStep::kFocusPrevious}};
    case kThemedKeyTab: return {{ThemedStep::kLeave}};
    default: return {};
  }
}

ThemedSteps ThemedInput::KeyUp(int key) {
  // Only a Space that went down here clicks.
  if (!enabled() || key == 0 || key != key_down_) return {};
  key_down_ = 0;
  Flip();
  state_ = kThemedNormal;
  return {{ThemedStep::kDraw}, {ThemedStep::kClick}};
}

ThemedSteps ThemedInput::MouseMove() {
  if (!enabled() || hovering_) return {};
  hovering_ = true;
  // Held down and back over the button: still pressed, as a push button shows it.
  state_ = left_down_ ? kThemedPressed : kThemedHot;
  return {{ThemedStep::kTrackLeave}, {ThemedStep::kDraw}, {ThemedStep::kEnter}, {ThemedStep::kShowTip}};
}

ThemedSteps ThemedInput::MouseLeave() {
  if (!hovering_) {
    // Hot after a release with no pointer-enter seen (a click sent as messages): only
    // the look goes back.
    if (state_ != kThemedHot) return {};
    state_ = kThemedNormal;
    return {{ThemedStep::kDraw}};
  }
  hovering_ = false;
  if (enabled()) state_ = kThemedNormal;
  return {{ThemedStep::kHideTip}, {ThemedStep::kDraw}, {ThemedStep::kLeave}};
}

ThemedSteps ThemedInput::Focus(bool focused) {
  if (focused == focused_) return {};
  focused_ = focused;
  if (!focused && key_down_) {
    key_down_ = 0;
    if (enabled()) state_ = kThemedNormal;
  }
  return {{ThemedStep::kDraw}};
}

}  // namespace dusk
