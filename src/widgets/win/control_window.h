// What the program's self-drawn controls share: their window class and the object
// behind each window, an off-screen picture they paint into and copy to the window in
// one piece (no flicker), and the call that reports the pointer leaving a window.
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
  // Answers WM_ERASEBKGND, WM_PAINT and WM_PRINTCLIENT from the picture, which covers the
  // whole window; false for any other message.
  bool AnswerPainting(HWND window, UINT msg, WPARAM wparam, LRESULT& result) const;

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

// Registers a control's window class on first use. A null cursor leaves the choice to
// the control's WM_SETCURSOR.
void RegisterControlClass(const char* name, WNDPROC procedure, UINT style, HCURSOR cursor);

// The object behind a control's window, kept in the window's user data.
template <typename T>
T* ControlOf(HWND window) {
  return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The window procedure of a control whose object T is a PixelSurface with `window`,
// `busy` and `destroyed`: `make` creates the object at WM_NCCREATE; painting is
// answered from its picture; it is deleted after WM_NCDESTROY, but only once no
// `handle` call of it is running, since a handler may destroy its own window (a parent
// reacting to a click, say).
template <typename T, typename Make, typename Handle>
LRESULT ControlProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam, Make make,
                         Handle handle) {
  if (msg == WM_NCCREATE) {
    T* object = make();
    object->window = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return DefWindowProcA(window, msg, wparam, lparam);
  }
  T* object = ControlOf<T>(window);
  if (!object) return DefWindowProcA(window, msg, wparam, lparam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    object->destroyed = true;
    if (object->busy == 0) delete object;
    return DefWindowProcA(window, msg, wparam, lparam);
  }
  LRESULT shown = 0;
  if (object->AnswerPainting(window, msg, wparam, shown)) return shown;
  ++object->busy;
  const LRESULT result = handle(*object, window, msg, wparam, lparam);
  if (--object->busy == 0 && object->destroyed) delete object;
  return result;
}

}  // namespace dusk
