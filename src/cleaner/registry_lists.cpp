#include "cleaner/registry_lists.h"

#include <string>

#include "app/registry_routines.h"

namespace dusk {
namespace {

constexpr RegRoot kUser = RegRoot::CurrentUser;
constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const char* kRunMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr const char* kSearchMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU";
constexpr const char* kRecentDocs = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
constexpr const char* kMediaPlayer = "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";
constexpr const char* kPaint = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List";

// A value counts only as non-empty text: missing, empty and other types end a list.
bool Found(Registry& reg, const std::string& key, const std::string& name) {
  const std::optional<std::string> text = ReadRegString(reg, kUser, key, name);
  return text && !text->empty();
}

// Leaf first: the NT family refuses to delete a key that still has sub-keys.
void DeleteKeyTree(Registry& reg, const std::string& key) {
  for (const std::string& child : reg.SubKeyNames(kUser, key)) DeleteKeyTree(reg, key + "\\" + child);
  DeleteRegKey(reg, kUser, key);
}

}  // namespace

void ClearNumberedList(Registry& reg, const std::string& key, const std::string& prefix, int first) {
  for (int i = first; i < 32767 && Found(reg, key, prefix + std::to_string(i)); ++i)
    DeleteRegValue(reg, kUser, key, prefix + std::to_string(i));
}

void ClearLetterList(Registry& reg, const std::string& key) {
  const std::string order = ReadRegString(reg, kUser, key, "MRUList").value_or("");
  for (char letter : order) DeleteRegValue(reg, kUser, key, std::string(1, letter));
  DeleteRegValue(reg, kUser, key, "MRUList");
}

void ClearWholeKey(Registry& reg, const std::string& key) {
  DeleteKeyTree(reg, key);
  CreateRegKey(reg, kUser, key);
}

void ClearTypedURLValues(Registry& reg) { ClearNumberedList(reg, kTypedUrls, "url", 0); }
void ClearIEHistory(Registry& reg) { ClearWholeKey(reg, kTypedUrls); }
void ClearRunMRU(Registry& reg) { ClearWholeKey(reg, kRunMru); }
void ClearSearchMRU(Registry& reg) { ClearLetterList(reg, kSearchMru); }
void ClearRecentDocsMRU(Registry& reg) { ClearLetterList(reg, kRecentDocs); }
void ClearMediaPlayerList(Registry& reg) { ClearNumberedList(reg, kMediaPlayer, "File", 0); }
void ClearPaintList(Registry& reg) { ClearNumberedList(reg, kPaint, "File", 1); }

void ClearRecentDocs(Registry& reg, ShellCleaning& shell) {
  shell.ClearRecentDocuments();
  ClearRecentDocsMRU(reg);
}

}  // namespace dusk
