#include "widgets/win/icon_grayscale.h"

#include <vector>

#include "widgets/icon_grayscale.h"

namespace dusk {

bool PaintIconGrayscale(HDC target, HICON icon, int x, int y, int height, int width) {
  if (!target || !icon) return false;
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return false;
  bool drawn = false;
  BITMAP bm{};
  if (info.hbmColor && GetObjectA(info.hbmColor, sizeof(bm), &bm) && bm.bmWidth > 0 && bm.bmHeight > 0) {
    // Read the colour picture as 32-bit top-down pixels, grey them, write them back.
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC screen = GetDC(nullptr);
    if (GetDIBits(screen, info.hbmColor, 0, bm.bmHeight, pixels.data(), &bi, DIB_RGB_COLORS)) {
      for (uint32_t& p : pixels) {
        const Color rgb = ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);  // DIB is blue lowest
        const Color grey = GreyscalePixel(rgb);
        p = (p & 0xFF000000u) | ((grey & 0xFF) << 16) | (grey & 0xFF00) | ((grey >> 16) & 0xFF);
      }
      SetDIBits(screen, info.hbmColor, 0, bm.bmHeight, pixels.data(), &bi, DIB_RGB_COLORS);
      ICONINFO grey_info = info;
      grey_info.fIcon = TRUE;
      if (HICON grey = CreateIconIndirect(&grey_info)) {
        drawn = DrawIconEx(target, x, y, grey, width, height, 0, nullptr, DI_NORMAL) != FALSE;
        DestroyIcon(grey);
      }
    }
    ReleaseDC(nullptr, screen);
  }
  if (!info.hbmColor)  // a black-and-white icon has no colours to grey
    drawn = DrawIconEx(target, x, y, icon, width, height, 0, nullptr, DI_NORMAL) != FALSE;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return drawn;
}

}  // namespace dusk
