// The block progress bar: running with its defaults and with each look switched.
#include "gallery_section.h"
#include "widgets/win/block_progress_bar.h"

namespace {

constexpr int kRowHeight = 30;

void FillProgressSection(HWND parent, int top) {
  struct Row {
    const char* label;
    void (*setup)(HWND bar);
  };
  static const Row rows[] = {
      {"running, defaults", [](HWND) {}},
      {"no blocks, vertical colours",
       [](HWND bar) {
         dusk::SetBlockProgressBlocks(bar, false);
         dusk::SetBlockProgressVerticalColors(bar, true);
       }},
      {"blue into yellow, no border",
       [](HWND bar) {
         dusk::SetBlockProgressForeColor(bar, 0xC00000);
         dusk::SetBlockProgressFollowColor(bar, 0x00FFFF);
         dusk::SetBlockProgressBorders(bar, 0);
       }},
      {"stopped", nullptr},
  };
  int y = top;
  int id = 3000;
  for (const Row& row : rows) {
    GalleryLabel(parent, row.label, 16, y + 5, 180, 16);
    HWND bar = dusk::CreateBlockProgressBar(parent, id++, 200, y, 481, 25);
    if (row.setup) {
      row.setup(bar);
      dusk::SetBlockProgressEnabled(bar, true);
    }
    y += kRowHeight;
  }
}

struct ProgressSectionRegistrar {
  ProgressSectionRegistrar() {
    RegisterGallerySection({30, "Block progress bar", 4 * kRowHeight, FillProgressSection});
  }
} progress_section_registrar;

}  // namespace
