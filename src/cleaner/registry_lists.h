// The history lists that the system and its applications keep under the current
// user's registry: typed addresses, Run box, search, recent documents, media player
// and Paint. Each routine erases one list and reports nothing.
#pragma once
#include "platform/registry.h"
#include "platform/shell_cleaning.h"

namespace dusk {

void ClearTypedURLValues(Registry& reg);  // url0, url1, ... of the typed addresses
void ClearIEHistory(Registry& reg);       // the typed addresses' whole key
void ClearRunMRU(Registry& reg);
void ClearSearchMRU(Registry& reg);
void ClearRecentDocsMRU(Registry& reg);
void ClearMediaPlayerList(Registry& reg);
void ClearPaintList(Registry& reg);
// The shell's recent-documents list, then its registry list.
void ClearRecentDocs(Registry& reg, ShellCleaning& shell);

// The three shapes of list, for any key under the current user.
// Values prefix+first, prefix+(first+1), ... up to the first one missing or empty.
void ClearNumberedList(Registry& reg, const std::string& key, const std::string& prefix, int first);
// The values named by the characters of "MRUList", then "MRUList" itself.
void ClearLetterList(Registry& reg, const std::string& key);
// The key with everything in it, sub-keys included, then the key made again empty.
void ClearWholeKey(Registry& reg, const std::string& key);

}  // namespace dusk
