// The cleaner's services on the real system and the current user's folders, for the
// program to hand to PrivacyCleaner along with the registry, clock and shell calls it
// already has.
#pragma once
#include <windows.h>

#include "cleaner/privacy_cleaner.h"
#include "cleaner/win/window_walk_host.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_url_cache.h"
#include "platform/win32/win32_url_history.h"

namespace dusk {

struct Win32CleanerPlatform {
  Win32FileSystem files;
  Win32UrlCache cache;
  Win32UrlHistoryStore history;
  WindowWalkHost host;
};

// Read with the wide calls, so that a user name outside the ANSI code page does not
// break the paths: the executable's folder, the temporary folder (without a trailing
// backslash, except at a drive's root) and the browser's folders from the user's shell
// folders. A folder the system does not name is empty. The Windows, system, profile,
// documents, desktop, program files and program folders are never to be emptied.
CleanerFolders CurrentUserCleanerFolders();

}  // namespace dusk
