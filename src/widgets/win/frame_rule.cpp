#include "widgets/win/frame_rule.h"

#include "widgets/win/window_buttons.h"

namespace dusk {

void DrawFrameRule(HWND frame, HDC dc, const char* caption, int captionHeight, bool enabled) {
  RECT area;
  GetClientRect(frame, &area);
  HGDIOBJ oldFont = SelectObject(dc, DialogFont());
  SIZE extent{};
  GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &extent);
  const int top = captionHeight / 2, gapLeft = 8, gapRight = 16 + extent.cx;
  HPEN pen = CreatePen(PS_SOLID, 1, enabled ? RGB(150, 158, 205) : RGB(92, 96, 124));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  const POINT rule[] = {{gapLeft, top},        {0, top},
                        {0, area.bottom - 1},  {area.right - 1, area.bottom - 1},
                        {area.right - 1, top}, {gapRight, top}};
  Polyline(dc, rule, 6);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  RECT text{gapLeft, 0, gapRight, captionHeight};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? RGB(232, 232, 245) : RGB(120, 124, 150));
  DrawTextA(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
}

}  // namespace dusk
