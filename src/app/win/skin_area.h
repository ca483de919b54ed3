// A picture button of the main window (navigation entries, close and minimise): it
// shows one skin picture with a caption and reports mouse presses and releases.
#pragma once
#include <windows.h>

namespace dusk {

// Sent to the top-level window: wParam = MAKEWPARAM(control id, 1 pressed / 0
// released), lParam = the button (0 left, 1 right, 2 middle).
inline constexpr UINT kSkinAreaMouse = WM_APP + 41;

void RegisterSkinAreaClass();
HWND CreateSkinArea(HWND parent, int id, const char* caption, int x, int y, int w, int h, int picture);
void SetSkinAreaPicture(HWND area, int picture);
int SkinAreaPicture(HWND area);

}  // namespace dusk
