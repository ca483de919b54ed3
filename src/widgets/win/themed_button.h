// The "isButton" control: a push or toggle button in one of eleven styles, style 6 drawn
// by the visual-theme engine, with its own tooltip, an icon and arrow-key navigation.
// It tells its parent WM_COMMAND BN_CLICKED with its id for a click, and WM_NOTIFY with
// kThemedMouseEnter / kThemedMouseLeave when the pointer comes and goes.
#pragma once
#include <windows.h>

#include <string>

#include "widgets/property_bag.h"
#include "widgets/themed_props.h"

namespace dusk {

inline constexpr const char* kThemedButtonClass = "isButton";

inline constexpr UINT kThemedMouseEnter = 0x0C11;  // NMHDR::code
inline constexpr UINT kThemedMouseLeave = 0x0C12;

// Registers the class on first use. The font is the parent's until WM_SETFONT.
HWND CreateThemedButton(HWND parent, int id, const char* caption, int x, int y, int width,
                        int height, int style = 0);

// Stores every property and lays the button out again when one that affects the layout
// changed, else repaints it. The caption is the window text, Enabled is EnableWindow.
void SetThemedProps(HWND button, const ThemedProps& props);
ThemedProps ThemedButtonProps(HWND button);
void SetThemedStyle(HWND button, int32_t style);
// An icon or a bitmap; the caller keeps it alive while the button shows it.
void SetThemedIcon(HWND button, HANDLE picture, bool is_icon);
void SetThemedToolTip(HWND button, const std::string& text, const std::string& title);

void RefreshThemedButton(HWND button);
// Shows a state without the input that leads to it (a still picture of every look).
void ForceThemedLook(HWND button, int state, bool focused);

int ThemedButtonState(HWND button);  // the state of the last painting
bool ThemedButtonHovering(HWND button);
bool ThemedButtonFocused(HWND button);
int ThemedButtonMargin(HWND button);
HWND ThemedButtonTooltip(HWND button);  // while the pointer is over the button
RECT ThemedButtonCaptionRect(HWND button);

// Asks the shell to open an address on behalf of the button; the shell's result.
INT_PTR OpenLink(HWND button, const std::string& address);
std::string ThemedButtonVersion();

void SaveThemedButton(HWND button, PropertyBag& bag);
void LoadThemedButton(HWND button, const PropertyBag& bag);

}  // namespace dusk
