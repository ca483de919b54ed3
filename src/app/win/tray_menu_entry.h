// What each owner-drawn item of the tray menu carries as its item data: the menu
// system keeps no text for such items, so the shown text lives here.
#pragma once
#include <windows.h>

#include <string>

#include "app/tray_menu_items.h"

namespace dusk {

struct TrayMenuEntry {
  const TrayMenuItem* item = nullptr;  // null for a dividing line
  std::string text;                    // what the item shows
  int picture = -1;                    // index of its key in the picture list, -1 none
  bool hasSubmenu = false;
  bool enabled = true;
  UINT id = 0;  // the menu id; a sub-menu's own item has none of its own
};

// Menu ids: the n-th top item is kTrayFirstTopId + n, the n-th cleaning item
// kTrayFirstCleaningId + n; dividing lines have id 0.
inline constexpr UINT kTrayFirstTopId = 100;
inline constexpr UINT kTrayFirstCleaningId = 200;

// The item data of the item at `position` in `menu`, or null.
inline const TrayMenuEntry* TrayEntryAt(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return nullptr;
  return reinterpret_cast<const TrayMenuEntry*>(info.dwItemData);
}

}  // namespace dusk
