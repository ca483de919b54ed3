// The one version number of the build reaches every place that shows it: the main
// window's title and banner, and the version resource of the menu extension.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "main_frame_fixture.h"
#include "window_probe.h"
#include "app/win/main_window_ids.h"
#include "dusk_version.h"

namespace dusk {
namespace {

class BuildVersion : public MainFrameFixture {};

TEST_F(BuildVersion, TheTitleAndTheBannerShowTheBuildsVersion) {
  CreateMainFrame();
  EXPECT_EQ(Text(FindControl(main->MainWindow(), ids::kTitle)), std::string(" Dusklatch ") + DUSK_VERSION_TEXT);
  EXPECT_EQ(Text(FindControl(main->MainWindow(), ids::kBannerName)), std::string("Dusklatch ") + DUSK_VERSION_TEXT);
}

// The fixed part of a module's version resource; all zero when it has none.
VS_FIXEDFILEINFO FixedVersionInfo(const char* file) {
  VS_FIXEDFILEINFO info{};
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string beside(path);
  beside = beside.substr(0, beside.find_last_of('\\') + 1) + file;
  HMODULE module = LoadLibraryExA(beside.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return info;
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(VS_VERSION_INFO), MAKEINTRESOURCEA(16));  // RT_VERSION
  const auto* data = found ? static_cast<const char*>(LockResource(LoadResource(module, found))) : nullptr;
  const DWORD size = found ? SizeofResource(module, found) : 0;
  for (DWORD at = 0; data && at + sizeof info <= size; at += 4) {
    DWORD signature;
    std::memcpy(&signature, data + at, sizeof signature);
    if (signature != VS_FFI_SIGNATURE) continue;
    std::memcpy(&info, data + at, sizeof info);
    break;
  }
  FreeLibrary(module);
  return info;
}

TEST(BuildVersionResource, TheMenuExtensionCarriesTheBuildsVersionAsADll) {
  const WORD parts[] = {DUSK_VERSION_COMMAS};
  const VS_FIXEDFILEINFO info = FixedVersionInfo("DusklatchMenu.dll");
  ASSERT_EQ(info.dwSignature, static_cast<DWORD>(VS_FFI_SIGNATURE)) << "no version resource";
  EXPECT_EQ(info.dwFileVersionMS, static_cast<DWORD>(MAKELONG(parts[1], parts[0])));
  EXPECT_EQ(info.dwFileVersionLS, static_cast<DWORD>(MAKELONG(parts[3], parts[2])));
  EXPECT_EQ(info.dwProductVersionMS, info.dwFileVersionMS);
  EXPECT_EQ(info.dwFileType, static_cast<DWORD>(VFT_DLL));
}

}  // namespace
}  // namespace dusk
