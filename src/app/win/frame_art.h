// The main window's artwork (the picture store): skin pictures and backgrounds,
// loaded once from the program's resources. Without them (test programs) plain
// colours stand in.
#pragma once
#include <windows.h>

namespace dusk {

// Draws skin picture `index` (0..15) stretched into `area`.
void DrawSkinPicture(HDC dc, int index, const RECT& area);

// Draws the main window's background as seen from a child whose client origin lies
// at `origin` in the main window's client area.
void DrawFrameBackground(HDC dc, POINT origin, const RECT& area);

// Draws a named picture (splash, about) stretched into `area`; false when missing.
bool DrawResourcePicture(HDC dc, int resourceId, const RECT& area);

// Where the child's client origin lies in its top-level window's client area.
POINT OriginInRoot(HWND child);

// A label drawn over the frame's background: light text, optional underline (links);
// a click reports STN_CLICKED to its parent as a static with SS_NOTIFY would.
HWND CreateFrameLabel(HWND parent, int id, const char* text, int x, int y, int w, int h, bool link,
                      UINT format = DT_LEFT);

}  // namespace dusk
