// The number fields of the timer page: what a typed key may add, how a text is
// held inside its range, and how a spinner value is written back.
#pragma once
#include <string>

namespace dusk {

struct NumberField {
  int min;
  int max;
  bool twoDigits;  // minutes always show two digits
};

inline constexpr NumberField kPeriodField{0, 999, false};
inline constexpr NumberField kIntervalMinuteField{0, 59, true};
inline constexpr NumberField kClockHourField{1, 12, false};
inline constexpr NumberField kClockMinuteField{0, 59, true};
inline constexpr NumberField kBlinkField{1, 999, false};

// Only digits may be typed; every other key, backspace included, is dropped.
bool AcceptsTypedChar(char c);

// The number the text starts with; 0 when it starts with no digit.
int LeadingNumber(const std::string& text);

// After an edit: a value above the range becomes the maximum, one below it the
// minimum; otherwise the text is kept as typed (an emptied "00" stays empty).
std::string ClampFieldText(const std::string& text, const NumberField& field);

// One edit of a field tied to its spinner: the text is clamped, the spinner
// takes the number now in the text, and a spinner whose value changed rewrites
// the text. So emptying "05" leaves "00", while emptying "00" leaves "".
struct FieldState {
  std::string text;
  int spinner;
};
FieldState EditField(const std::string& newText, int spinnerBefore, const NumberField& field);

// The text a spinner writes into its field.
std::string SpinnerText(int value, const NumberField& field);

// The spinners have their minimum at the top, so the upper arrow lowers the
// number. `step` is -1 for the upper arrow and +1 for the lower one.
int SpinnerStep(int value, int step, const NumberField& field);

}  // namespace dusk
