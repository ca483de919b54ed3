#include "app/win/working_bar.h"

#include "widgets/win/block_progress_bar.h"

namespace dusk {
namespace {
constexpr uint32_t kLeadingOrange = 33023;       // red 255, green 128, blue 0
constexpr uint32_t kTrailingOrange = 12640511;   // red 255, green 224, blue 192
}  // namespace

HWND CreateWorkingBar(HWND parent, int id, int x, int y) {
  HWND bar = CreateBlockProgressBar(parent, id, x, y, kWorkingBarWidth, kWorkingBarHeight);
  if (!bar) return nullptr;
  SetBlockProgressForeColor(bar, kLeadingOrange);
  SetBlockProgressFollowColor(bar, kTrailingOrange);
  return bar;
}

}  // namespace dusk
