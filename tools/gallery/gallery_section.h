// The widget gallery: a window that shows the program's own controls side by side so a
// person (or a screenshot) can look at every look they have. Each section file adds its
// part with a static registrar; the gallery lays the sections out by `order`.
#pragma once
#include <windows.h>

struct GallerySection {
  int order;          // sections appear top to bottom by this number
  const char* title;  // drawn above the section by the gallery
  int height;         // pixels the section needs below its title
  // Creates the section's controls as children of `parent`, starting at y = `top`.
  void (*fill)(HWND parent, int top);
};

// Call from a static object in the section's own file, before WinMain runs.
void RegisterGallerySection(const GallerySection& section);

// Helpers shared by the sections: a plain label, and the gallery's label font.
HWND GalleryLabel(HWND parent, const char* text, int x, int y, int width, int height);
HFONT GalleryFont();
