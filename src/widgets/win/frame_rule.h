// The rule a page's frame draws around what it holds, broken at the top for its
// caption: the frames are see-through panels, so a group box would paint the theme's
// background over the page.
#pragma once
#include <windows.h>

namespace dusk {

// `captionHeight` is the band at the top the caption is centred in; a disabled frame
// draws rule and caption greyed.
void DrawFrameRule(HWND frame, HDC dc, const char* caption, int captionHeight, bool enabled = true);

}  // namespace dusk
