#include "widgets/candy_input.h"

namespace dusk {

namespace {

CandyStep Raise(CandyEvent event, int button = 0, int shift = 0, int x = 0, int y = 0) {
  CandyStep step{CandyStep::kRaise};
  step.event = event;
  step.button = button;
  step.shift = shift;
  step.x = static_cast<float>(x);
  step.y = static_cast<float>(y);
  return step;
}

}  // namespace

CandyStep CandyInput::Draw(int state) const {
  CandyStep step{CandyStep::kDraw};
  step.state = checked_ ? kStateChecked : state;
  return step;
}

CandySteps CandyInput::MouseDown(int button, int shift, int x, int y) {
  if (!enabled_) return {};
  focused_ = true;
  if (button == kCandyLeftButton) {
    mouse_pressed_ = true;
    double_clicked_ = false;
  }
  return {Draw(kStatePressed), Raise(CandyEvent::kMouseDown, button, shift, x, y)};
}

CandySteps CandyInput::MouseUp(int button, int shift, int x, int y, int width, int height) {
  if (!enabled_) return {};
  CandySteps steps;
  if (!checked_) {
    if (hovering_) steps.push_back(Draw(kStateHover));
    else if (focused_) steps.push_back(Draw(kStateFocused));
  }
  steps.push_back(Raise(CandyEvent::kMouseUp, button, shift, x, y));
  if (button == kCandyLeftButton) {
    // A press released away from the button is no click.
    const bool inside = x >= 0 && y >= 0 && x < width && y < height;
    if (mouse_pressed_ && !double_clicked_ && inside) steps.push_back(Raise(CandyEvent::kClick));
    mouse_pressed_ = false;
    double_clicked_ = false;
  }
  return steps;
}

CandySteps CandyInput::DoubleClick(int button, int shift, int x, int y) {
  if (!enabled_) return {};
  (void)shift;
  (void)x;
  (void)y;
  if (button == kCandyLeftButton) {
    mouse_pressed_ = true;
    double_clicked_ = true;
  }
  return {Draw(kStatePressed), Raise(CandyEvent::kDblClick)};
}

CandySteps CandyInput::MouseMove(int buttons, int shift, int x, int y, int width, int height) {
  if (!enabled_) return {};
  CandySteps steps{Raise(CandyEvent::kMouseMove, buttons, shift, x, y)};
  const bool left_held = (buttons & kCandyLeftButton) != 0;
  if (left_held && (x < 0 || x > width || y < 0 || y > height)) {
    hovering_ = false;
    steps.push_back(Draw(kStateNormal));
  }
  if (leave_available_ && !left_held && !hovering_ && x > 0 && x < width && y > 0 && y < height) {
    hovering_ = true;
    steps.push_back(CandyStep{CandyStep::kTrackLeave});
    steps.push_back(Raise(CandyEvent::kMouseEnter));
    steps.push_back(Draw(kStateHover));
  }
  return steps;
}

// The leave message comes only after an enter asked for it, so it always pairs with one,
// even when a drag out of the button already dropped the hover look.
CandySteps CandyInput::MouseLeave() {
  if (!enabled_) return {};
  hovering_ = false;
  CandySteps steps{Raise(CandyEvent::kMouseLeave)};
  if (!checked_) steps.push_back(Draw(focused_ ? kStateFocused : kStateNormal));
  return steps;
}

CandySteps CandyInput::FocusIn() {
  focused_ = true;
  if (!enabled_ || checked_ || hovering_) return {};
  return {Draw(kStateFocused)};
}

CandySteps CandyInput::FocusOut() {
  focused_ = false;
  key_pressed_ = 0;
  if (!enabled_ || checked_) return {};
  return {Draw(kStateNormal)};
}

CandySteps CandyInput::KeyDown(int key, int shift) {
  if (!enabled_ || (key != kCandyKeyEnter && key != kCandyKeySpace)) return {};
  key_pressed_ = key;
  return MouseDown(kCandyLeftButton, shift, 0, 0);
}

CandySteps CandyInput::KeyUp(int key, int shift) {
  // Only a key that also went down here clicks: the release of an Enter that closed
  // another window and moved the focus here must not press this button too.
  if (!enabled_ || key == 0 || key != key_pressed_) return {};
  key_pressed_ = 0;
  mouse_pressed_ = false;
  CandySteps steps = MouseUp(kCandyLeftButton, shift, 0, 0, 1, 1);
  steps.push_back(Raise(CandyEvent::kClick));
  return steps;
}

CandySteps CandyInput::SetChecked(bool checked) {
  checked_ = checked;
  return {Draw(checked ? kStateChecked : hovering_ ? kStateHover : kStateNormal)};
}

CandySteps CandyInput::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) {
    hovering_ = false;
    mouse_pressed_ = false;
    double_clicked_ = false;
    key_pressed_ = 0;
  }
  return {Draw(kStateNormal)};
}

}  // namespace dusk
