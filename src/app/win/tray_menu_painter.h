// Draws the tray menu's owner-drawn items: a picture column on the left, the text,
// a light highlight with a frame, greyed text and picture for unavailable items,
// etched dividing lines and the sub-menu arrow.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace dusk {

class TrayMenuPainter {
 public:
  TrayMenuPainter();
  ~TrayMenuPainter();
  TrayMenuPainter(const TrayMenuPainter&) = delete;
  TrayMenuPainter& operator=(const TrayMenuPainter&) = delete;

  void Measure(HWND window, MEASUREITEMSTRUCT& measure) const;
  void Draw(const DRAWITEMSTRUCT& draw) const;

  // ImageList1: the pictures loaded from the program's resources, by key index;
  // a picture missing from the resources is simply not drawn.
  HIMAGELIST Pictures() const { return pictures_; }
  int ImageOf(int picture) const;

 private:
  int Px(int pixelsAt96) const;  // a size scaled to the screen's dots per inch
  int Column() const;            // width of the picture band
  int TextLeft() const;

  int dpi_ = 96;
  HFONT font_ = nullptr;
  HIMAGELIST pictures_ = nullptr;
  int imageOf_[32];
};

}  // namespace dusk
