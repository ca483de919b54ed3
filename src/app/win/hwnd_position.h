// A real window seen by the position store: pixels turned into twips and back.
#pragma once
#include <windows.h>

#include <string>

#include "app/form_position.h"

namespace dusk {

// Twips per pixel of the screen in each direction (15 at 96 dots per inch).
long TwipsPerPixelX();
long TwipsPerPixelY();

class HwndPosition : public PositionedWindow {
 public:
  HwndPosition(HWND hwnd, std::string name) : hwnd_(hwnd), name_(std::move(name)) {}
  std::string WindowName() const override { return name_; }
  long Left() const override;
  long Top() const override;
  long Width() const override;
  long Height() const override;
  long ScreenWidth() const override;
  long ScreenHeight() const override;
  void MoveTo(long left, long top) override;

 private:
  RECT Bounds() const;
  HWND hwnd_;
  std::string name_;
};

// A borderless window moves when a mouse button is pressed anywhere on its background,
// as it would by its caption. True when `msg` was such a press (then answered with 0).
bool MoveOnPress(HWND window, UINT msg);
// The same, and the position is stored under `name` when a move ends.
bool MoveAndRemember(HWND window, UINT msg, PositionServices& positions, const char* name);

}  // namespace dusk
