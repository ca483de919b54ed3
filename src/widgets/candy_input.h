// How the candy button answers the mouse, the keyboard and focus: which state it draws,
// which events it raises and in what order. The window turns each step into a paint, a
// notification to its parent, or a request for the pointer-leave message.
#pragma once
#include <vector>

#include "widgets/candy_face.h"

namespace dusk {

enum class CandyEvent { kClick, kDblClick, kMouseEnter, kMouseLeave, kMouseMove, kMouseUp, kMouseDown };

inline constexpr int kCandyLeftButton = 1;  // mouse buttons: 1 left, 2 right, 4 middle
inline constexpr int kCandyKeyEnter = 13;
inline constexpr int kCandyKeySpace = 32;

struct CandyStep {
  enum Kind { kDraw, kRaise, kTrackLeave } kind;
  int state = 0;                          // kDraw: the state drawn (4 whenever checked)
  CandyEvent event = CandyEvent::kClick;  // kRaise
  int button = 0, shift = 0;              // kRaise of the mouse events
  float x = 0, y = 0;
  bool operator==(const CandyStep&) const = default;
};

using CandySteps = std::vector<CandyStep>;

class CandyInput {
 public:
  // Whether the platform can report the pointer leaving; without it there is no hover.
  explicit CandyInput(bool leave_available = true) : leave_available_(leave_available) {}

  bool hovering() const { return hovering_; }
  bool focused() const { return focused_; }
  bool enabled() const { return enabled_; }
  bool checked() const { return checked_; }

  // Coordinates are client pixels; width and height the client size.
  CandySteps MouseDown(int button, int shift, int x, int y);
  CandySteps MouseUp(int button, int shift, int x, int y, int width, int height);
  CandySteps DoubleClick(int button, int shift, int x, int y);
  CandySteps MouseMove(int buttons, int shift, int x, int y, int width, int height);
  CandySteps MouseLeave();
  CandySteps FocusIn();
  CandySteps FocusOut();
  CandySteps KeyDown(int key, int shift);
  CandySteps KeyUp(int key, int shift);

  CandySteps SetChecked(bool checked);
  // Disabling forgets a hover or press in progress: their ending messages are ignored
  // while disabled and must not leave a stale look behind.
  CandySteps SetEnabled(bool enabled);

 private:
  CandyStep Draw(int state) const;

  bool leave_available_;
  bool enabled_ = true;
  bool checked_ = false;
  bool hovering_ = false;
  bool focused_ = false;
  bool mouse_pressed_ = false;   // the left button went down on the button
  bool double_clicked_ = false;  // that press was the second of a double click
  int key_pressed_ = 0;          // Enter or Space went down while the button had focus
};

}  // namespace dusk
