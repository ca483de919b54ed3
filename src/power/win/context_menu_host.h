// Form1: the program's hidden host window of the file manager's menu. While it lives,
// the menu's shell extension is registered for the current user and its clicks arrive
// here, on the program's user-interface thread. Its handle is also the owner window
// the cleaner empties the recycle bin with.
#pragma once
#include <windows.h>

namespace dusk {

// This process's host window; null while there is none.
HWND ContextMenuHostWindow();

}  // namespace dusk
