#include "gallery_sections.h"

#include <algorithm>

namespace {

// A function-local list: the registrars of other files run during static
// initialisation, in an order the language leaves open.
std::vector<GallerySection>& Sections() {
  static std::vector<GallerySection> sections;
  return sections;
}

}  // namespace

void RegisterGallerySection(const GallerySection& section) { Sections().push_back(section); }

std::vector<GallerySection> SortedGallerySections() {
  std::vector<GallerySection> sorted = Sections();
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const GallerySection& a, const GallerySection& b) { return a.order < b.order; });
  return sorted;
}

HFONT GalleryFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HWND GalleryLabel(HWND parent, const char* text, int x, int y, int width, int height) {
  HWND label = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT, x, y, width,
                               height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
  return label;
}
