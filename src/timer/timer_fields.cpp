#include "timer/timer_fields.h"

#include <cstdio>

namespace dusk {

bool AcceptsTypedChar(char c) { return c >= '0' && c <= '9'; }

int LeadingNumber(const std::string& text) {
  long long v = 0;
  for (char c : text) {
    if (!AcceptsTypedChar(c)) break;
    v = v * 10 + (c - '0');
    if (v > 1000000) break;  // far beyond every range; avoids overflow on pasted text
  }
  return static_cast<int>(v);
}

std::string ClampFieldText(const std::string& text, const NumberField& field) {
  int v = LeadingNumber(text);
  if (v > field.max) return std::to_string(field.max);
  if (v < field.min) return std::to_string(field.min);
  return text;
}

std::string SpinnerText(int value, const NumberField& field) {
  if (field.twoDigits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", value);
    return buf;
  }
  return std::to_string(value);
}

FieldState EditField(const std::string& newText, int spinnerBefore, const NumberField& field) {
  FieldState s{ClampFieldText(newText, field), 0};
  s.spinner = LeadingNumber(s.text);
  if (s.spinner != spinnerBefore) s.text = SpinnerText(s.spinner, field);
  return s;
}

int SpinnerStep(int value, int step, const NumberField& field) {
  int v = value + step;
  if (v < field.min) v = field.min;
  if (v > field.max) v = field.max;
  return v;
}

}  // namespace dusk
