#include "widgets/win/control_window.h"

namespace dusk {

void PixelSurface::ReleaseSurface() {
  if (surface) {
    SelectObject(surface, old_bitmap_);
    DeleteDC(surface);
    surface = nullptr;
  }
  if (surface_bitmap_) {
    DeleteObject(surface_bitmap_);
    surface_bitmap_ = nullptr;
  }
  bits = nullptr;
}

bool PixelSurface::AnswerPainting(HWND window, UINT msg, WPARAM wparam, LRESULT& result) const {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      if (surface) BitBlt(dc, 0, 0, width, height, surface, 0, 0, SRCCOPY);
      EndPaint(window, &ps);
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      if (surface) BitBlt(reinterpret_cast<HDC>(wparam), 0, 0, width, height, surface, 0, 0, SRCCOPY);
      result = 0;
      return true;
    default:
      return false;
  }
}

void PixelSurface::Resize(int w, int h) {
  ReleaseSurface();
  width = w;
  height = h;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w > 0 ? w : 1;
  bi.bmiHeader.biHeight = -(h > 0 ? h : 1);
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* pixels = nullptr;
  HDC screen = GetDC(nullptr);
  surface_bitmap_ = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &pixels, nullptr, 0);
  surface = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (!surface_bitmap_ || !surface) {  // out of GDI objects: paint nothing rather than crash
    ReleaseSurface();
    return;
  }
  old_bitmap_ = SelectObject(surface, surface_bitmap_);
  bits = static_cast<uint32_t*>(pixels);
}

void RegisterControlClass(const char* name, WNDPROC procedure, UINT style, HCURSOR cursor) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(instance, name, &existing)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = cursor;
  wc.lpszClassName = name;
  RegisterClassExA(&wc);
}

TrackMouseEventFn FindTrackMouseEvent() {
  if (HMODULE user = GetModuleHandleA("user32.dll")) {
    if (auto fn = reinterpret_cast<TrackMouseEventFn>(
            reinterpret_cast<void*>(GetProcAddress(user, "TrackMouseEvent"))))
      return fn;
  }
  HMODULE controls = GetModuleHandleA("comctl32.dll");
  if (!controls) controls = LoadLibraryA("comctl32.dll");
  if (!controls) return nullptr;
  return reinterpret_cast<TrackMouseEventFn>(
      reinterpret_cast<void*>(GetProcAddress(controls, "_TrackMouseEvent")));
}

}  // namespace dusk
