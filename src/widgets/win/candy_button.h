// The "CandyButton" control: a push button that paints itself in one of eight styles.
// It tells its parent WM_COMMAND BN_CLICKED / BN_DOUBLECLICKED with its id for a click
// and a double click, and WM_NOTIFY with a CandyMouseNotify for the other mouse events.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "widgets/candy_props.h"
#include "widgets/property_bag.h"

namespace dusk {

inline constexpr const char* kCandyButtonClass = "CandyButton";

// WM_NOTIFY codes (NMHDR::code) of the mouse events.
inline constexpr UINT kCandyMouseEnter = 0x0C01;
inline constexpr UINT kCandyMouseLeave = 0x0C02;
inline constexpr UINT kCandyMouseMove = 0x0C03;
inline constexpr UINT kCandyMouseUp = 0x0C04;
inline constexpr UINT kCandyMouseDown = 0x0C05;

struct CandyMouseNotify {
  NMHDR header;
  short button;  // 1 left, 2 right, 4 middle (held buttons for a move)
  short shift;   // 1 Shift, 2 Ctrl, 4 Alt
  float x;       // client pixels
  float y;
};

// Registers the class on first use. The font is the parent's until WM_SETFONT.
HWND CreateCandyButton(HWND parent, int id, const char* caption, int x, int y, int width,
                       int height);

// Each setter stores its value and draws the button again as its property says.
void SetCandyStyle(HWND button, int32_t style);
void SetCandyColorScheme(HWND button, int32_t scheme);
void SetCandyColor(HWND button, CandyColorRole role, Color color);
void SetCandyBorderBrightness(HWND button, int32_t value);
void SetCandyForeColor(HWND button, Color color);
void SetCandyPictureAlignment(HWND button, int alignment);
void SetCandyChecked(HWND button, bool checked);
void SetCandyDisplayHand(HWND button, bool hand);
void SetCandyCaptionHighLite(HWND button, bool on, Color color);
void SetCandyIconHighLite(HWND button, bool on, Color color);
// A bitmap or an icon; the caller keeps it alive while the button shows it.
void SetCandyPicture(HWND button, HANDLE picture, bool is_icon);
// Enabled is EnableWindow; the caption is the window text.

CandyProps CandyButtonProperties(HWND button);
int CandyButtonDrawnState(HWND button);  // the state of the last drawing
bool CandyButtonHovering(HWND button);

// Draws a state as the button itself would (4 whenever it is checked): lets a window
// show a look without the input that leads to it.
void DrawCandyButton(HWND button, int state);

// The names of the properties set since creation or the last load, in order, as the
// button reports them to whoever keeps its stored set (see CandyChangeName).
std::vector<std::string> CandyButtonChanges(HWND button);

void SaveCandyButton(HWND button, PropertyBag& bag);
void LoadCandyButton(HWND button, const PropertyBag& bag);

// A colour that may name a system colour (high bit set, index in the low byte).
Color CandyTranslateColor(Color color);

}  // namespace dusk
