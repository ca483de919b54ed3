// The widget gallery window: every registered section, one under the other, on a tall
// canvas that scrolls inside the main window. Not shipped.
//   gallery.exe [order]   opens scrolled to the first section with at least that order
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "gallery_sections.h"

namespace {

constexpr const char* kGalleryClass = "DuskGallery";
constexpr const char* kCanvasClass = "DuskGalleryCanvas";
constexpr int kMargin = 8;
constexpr int kTitleHeight = 20;
constexpr int kSectionGap = 12;
constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 740;
constexpr int kLineStep = 24;

struct Gallery {
  HWND frame = nullptr;
  HWND canvas = nullptr;
  int canvas_height = 0;
  int scroll = 0;
  std::vector<int> section_tops;  // canvas y of each section's title
  std::vector<int> section_orders;
};

Gallery g_gallery;

HFONT TitleFont() {
  static HFONT font = CreateFontA(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_SWISS, "Tahoma");
  return font;
}

int ViewHeight() {
  RECT rc;
  GetClientRect(g_gallery.frame, &rc);
  return rc.bottom;
}

void ScrollTo(int y) {
  const int limit = std::max(0, g_gallery.canvas_height - ViewHeight());
  g_gallery.scroll = std::clamp(y, 0, limit);
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = g_gallery.canvas_height - 1;
  si.nPage = static_cast<UINT>(ViewHeight());
  si.nPos = g_gallery.scroll;
  SetScrollInfo(g_gallery.frame, SB_VERT, &si, TRUE);
  RECT rc;
  GetClientRect(g_gallery.frame, &rc);
  SetWindowPos(g_gallery.canvas, nullptr, 0, -g_gallery.scroll, rc.right, g_gallery.canvas_height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void BuildSections() {
  int y = kMargin;
  for (const GallerySection& section : SortedGallerySections()) {
    HWND title = CreateWindowExA(0, "STATIC", section.title, WS_CHILD | WS_VISIBLE | SS_LEFT,
                                 kMargin, y, kWindowWidth - 2 * kMargin, kTitleHeight,
                                 g_gallery.canvas, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(TitleFont()), FALSE);
    g_gallery.section_tops.push_back(y);
    g_gallery.section_orders.push_back(section.order);
    if (section.fill) section.fill(g_gallery.canvas, y + kTitleHeight);
    y += kTitleHeight + section.height + kSectionGap;
  }
  g_gallery.canvas_height = y;
}

LRESULT CALLBACK CanvasProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  // Controls report to their parent; the canvas passes that on to the frame so that a
  // section can watch its controls' notifications in one place if it wants to.
  if (msg == WM_COMMAND || msg == WM_NOTIFY) return SendMessageA(g_gallery.frame, msg, wp, lp);
  return DefWindowProcA(window, msg, wp, lp);
}

LRESULT CALLBACK GalleryProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (g_gallery.canvas) ScrollTo(g_gallery.scroll);
      return 0;
    case WM_VSCROLL: {
      SCROLLINFO si{};
      si.cbSize = sizeof(si);
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(window, SB_VERT, &si);
      int y = g_gallery.scroll;
      switch (LOWORD(wp)) {
        case SB_LINEUP: y -= kLineStep; break;
        case SB_LINEDOWN: y += kLineStep; break;
        case SB_PAGEUP: y -= ViewHeight(); break;
        case SB_PAGEDOWN: y += ViewHeight(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: y = si.nTrackPos; break;
        case SB_TOP: y = 0; break;
        case SB_BOTTOM: y = g_gallery.canvas_height; break;
        default: break;
      }
      ScrollTo(y);
      return 0;
    }
    case WM_MOUSEWHEEL:
      ScrollTo(g_gallery.scroll - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * 3 * kLineStep);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, msg, wp, lp);
  }
}

void RegisterClasses(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = GalleryProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kGalleryClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = CanvasProc;
  wc.lpszClassName = kCanvasClass;
  RegisterClassA(&wc);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int show) {
  RegisterClasses(instance);
  g_gallery.frame = CreateWindowExA(0, kGalleryClass, "Widget gallery",
                                    WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_CLIPCHILDREN, 0, 0,
                                    kWindowWidth + GetSystemMetrics(SM_CXVSCROLL) + 8,
                                    kWindowHeight, nullptr, nullptr, instance, nullptr);
  g_gallery.canvas = CreateWindowExA(0, kCanvasClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                     0, 0, kWindowWidth, kWindowHeight, g_gallery.frame, nullptr,
                                     instance, nullptr);
  BuildSections();
  int start = 0;
  if (command_line && *command_line) {
    const int order = std::atoi(command_line);
    for (size_t i = 0; i < g_gallery.section_orders.size(); ++i) {
      if (g_gallery.section_orders[i] >= order) {
        start = g_gallery.section_tops[i];
        break;
      }
    }
  }
  ShowWindow(g_gallery.frame, show);
  ScrollTo(start);
  UpdateWindow(g_gallery.frame);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
