#include "app/win/data_folder.h"

#include <windows.h>
#include <shlobj.h>

#include "app/app_identity.h"

namespace dusk {
namespace {

std::string Join(const std::string& folder, const char* name) {
  if (folder.empty() || folder.back() == '\\') return folder + name;
  return folder + '\\' + name;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string DataFolderFor(const std::string& programFolder, const std::string& appDataFolder) {
  if (!FileExists(Join(programFolder, kInstalledMarker)) || appDataFolder.empty()) return programFolder;
  std::string folder = Join(appDataFolder, kUserDataFolderName);
  if (!FolderExists(folder) && !CreateDirectoryA(folder.c_str(), nullptr)) return programFolder;
  for (const char* name : {kSettingsFileName, kScheduleFileName}) {
    const std::string from = Join(programFolder, name);
    // Failing if the user already has the file: theirs always wins.
    if (FileExists(from)) CopyFileA(from.c_str(), Join(folder, name).c_str(), TRUE);
  }
  return folder;
}

std::string DataFolderFor(const std::string& programFolder) {
  char appData[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
    return DataFolderFor(programFolder, std::string());
  return DataFolderFor(programFolder, appData);
}

}  // namespace dusk
