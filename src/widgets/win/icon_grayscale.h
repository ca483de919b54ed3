// Draws the grey copy of an icon, as a disabled themed button shows it.
#pragma once
#include <windows.h>

namespace dusk {

// At (x, y) in width x height with DrawIconEx in normal mode. False for a missing device
// context or icon, or an icon whose pictures cannot be read.
bool PaintIconGrayscale(HDC target, HICON icon, int x, int y, int height, int width);

}  // namespace dusk
