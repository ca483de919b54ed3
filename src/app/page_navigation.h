// The main window's navigation column: which entry shows which page, and how an
// entry's picture follows the mouse.
#pragma once
#include <array>
#include <optional>

namespace dusk {

// Skin pictures used by the main window's buttons.
enum class SkinPicture {
  CloseReleased = 4,
  ClosePressed = 5,
  MinimizeReleased = 6,
  MinimizePressed = 7,
  EntryPressed = 14,
  EntryReleased = 15,
};

enum class MouseButton { Left, Right, Middle };

struct NavigationEntry {
  const char* caption;
  int page;  // 1..7 for Picture1..Picture7; 0 for the entry that opens the about window
};

// Top to bottom.
inline constexpr std::array<NavigationEntry, 8> kNavigationEntries{{
    {"Main", 1},
    {"Schedule", 7},
    {"Cleanup", 2},
    {"Settings", 3},
    {"Hotkeys", 5},
    {"Toolbar", 4},
    {"Password", 6},
    {"About", 0},
}};

// What pressing or releasing a mouse button over an entry does. The picture changes
// only for the left button; releasing any button switches the page.
struct EntryReaction {
  std::optional<SkinPicture> picture;
  std::optional<int> page;  // the page to show (0: hide the main window, open about)
};

EntryReaction PressEntry(const NavigationEntry& entry, MouseButton button);
EntryReaction ReleaseEntry(const NavigationEntry& entry, MouseButton button);

// The close and minimise pictures: pressed/released pictures for the left button,
// and every release hides the main window.
std::optional<SkinPicture> PressWindowButton(bool isClose, MouseButton button);
std::optional<SkinPicture> ReleaseWindowButton(bool isClose, MouseButton button);

}  // namespace dusk
