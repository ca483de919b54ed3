#include "widgets/win/rounded_region.h"

#include "widgets/rounded_region.h"

namespace dusk {

namespace {
// Twips per pixel of the screen along one axis (1440 twips to the logical inch).
double ScreenTwipsPerPixel(int axis) {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, axis) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  if (dpi <= 0) dpi = 96;
  return 1440.0 / dpi;
}
}  // namespace

void SmoothCorners(HWND window, double corner) {
  RECT outer{};
  GetWindowRect(window, &outer);
  double tppx = ScreenTwipsPerPixel(LOGPIXELSX);
  double tppy = ScreenTwipsPerPixel(LOGPIXELSY);
  // The outer size is measured in twips and brought back to pixels.
  int width = TwipsToPixels((outer.right - outer.left) * tppx, tppx);
  int height = TwipsToPixels((outer.bottom - outer.top) * tppy, tppy);
  int ellipse = CornerPixels(corner);
  HRGN region = CreateRoundRectRgn(0, 0, width, height, ellipse, ellipse);
  // On success the window owns the region; on failure it stays rectangular.
  if (region && !SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

}  // namespace dusk
