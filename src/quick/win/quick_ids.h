// Control ids of the hotkeys page, the hotkey window, the toolbar page and the toolbar.
#pragma once

namespace dusk {

// Picture5, the hotkeys page.
inline constexpr int kCheck23 = 6101;      // "Enable Hotkeys"
inline constexpr int kLabel49 = 6102;      // its caption; a click toggles the box
inline constexpr int kFrame5 = 6103;       // "Hotkeys", around the letter fields
inline constexpr int kHotkeySave = 6104;   // CandyButton6 "Save"
inline constexpr int kText5 = 6110;        // Text5..Text10: the six letters, in hotkey order
inline constexpr int kLabel16 = 6120;      // Label16..Label21: the actions' captions
inline constexpr int kPrefixLabel = 6130;  // Label22, Label24..Label28: "CTRL+ ALT +"

// The hotkey window "hotkey" (caption "Form4").
inline constexpr int kLabel32 = 6140;

// Picture4, the toolbar page: the ten boxes in the order of kToolbarBoxes.
inline constexpr int kToolbarBox = 6200;
inline constexpr int kToolbarSave = 6210;        // CandyButton9 "Save Settings"
inline constexpr int kToolbarSelectAll = 6211;   // CandyButton4 "Select All"
inline constexpr int kToolbarSelectNone = 6212;  // CandyButton5 "Select None"

// The toolbar "toolfrm": its buttons left to right, in the order of kToolbarButtons.
inline constexpr int kToolbarButton = 6220;

}  // namespace dusk
