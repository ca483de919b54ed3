// What the self-drawn controls share: an off-screen picture they paint into and copy
// to the window in one piece (no flicker), and the call that reports the pointer
// leaving a window.
#pragma once
#include <windows.h>

#include <cstdint>

namespace dusk {

// A memory device context holding a 32-bit top-down picture of the control's size.
struct PixelSurface {
  PixelSurface() = default;
  PixelSurface(const PixelSurface&) = delete;
  PixelSurface& operator=(const PixelSurface&) = delete;
  ~PixelSurface() { ReleaseSurface(); }

  // A new picture of w x h pixels (at least 1 x 1), contents undefined.
  void Resize(int w, int h);
  void ReleaseSurface();

  int width = 0, height = 0;
  HDC surface = nullptr;
  uint32_t* bits = nullptr;  // 0x00RRGGBB, rows top to bottom

 private:
  HBITMAP surface_bitmap_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
};

using TrackMouseEventFn = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

// The pointer-leave call: user32's, else the common controls' older one; null where
// the system has neither.
TrackMouseEventFn FindTrackMouseEvent();

}  // namespace dusk
