// A picture button of the main window (navigation entries, close and minimise): it
// shows one skin picture with a caption and reports mouse presses and releases. One
// made a tab stop also takes the focus, shows it, and reports Space or Enter going
// down and up as a left press and release.
#pragma once
#include <windows.h>

namespace dusk {

// Sent to the top-level window: wParam = MAKEWPARAM(control id, 1 pressed / 0
// released), lParam = the button (0 left, 1 right, 2 middle).
inline constexpr UINT kSkinAreaMouse = WM_APP + 41;

void RegisterSkinAreaClass();
HWND CreateSkinArea(HWND parent, int id, const char* caption, int x, int y, int w, int h, int picture,
                    bool tabStop = false);
void SetSkinAreaPicture(HWND area, int picture);
int SkinAreaPicture(HWND area);

}  // namespace dusk
