// The push buttons the program's windows are made of, in the dialog font. Both kinds
// tell their parent WM_COMMAND BN_CLICKED with their id.
#pragma once
#include <windows.h>

#include <string>

namespace dusk {

// Looks of the themed button: the timer button, the about window and the schedule
// editor use the first, the schedule confirmation window the second.
inline constexpr int kWindowButtonStyle = 8;
inline constexpr int kConfirmButtonStyle = 9;

HWND MakeThemedButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                      int height, int style = kWindowButtonStyle);

// The self-drawn candy button with its default look: page buttons and small windows.
HWND MakeCandyButton(HWND parent, int id, const std::string& caption, int x, int y, int width,
                     int height);

// The program's default user-interface font (the system's message font).
HFONT DialogFont();
void UseFont(HWND window, HFONT font);

}  // namespace dusk
