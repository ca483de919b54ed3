// The root item's picture: green.bmp beside the extension, that is in the program's
// folder.
#pragma once
#include <windows.h>

namespace dusk::shellext {

// Loaded on first use and kept while the DLL is loaded (menus only borrow it). Null
// while the file is missing or unreadable; asked again on the next menu.
HBITMAP MenuPicture();

// When the DLL is unloaded.
void FreeMenuPicture();

}  // namespace dusk::shellext
