// The about window shows the version the build was made with (CMake's one number).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/win/about_window.h"
#include "app/win/main_window_ids.h"
#include "dusk_version.h"

namespace dusk {
namespace {

TEST(VersionShown, TheAboutWindowShowsTheBuildsVersionBesideTheMakersName) {
  AboutWindow about(nullptr);
  about.Open();
  ASSERT_TRUE(about.IsOpen());
  HWND line = GetDlgItem(about.hwnd_, ids::kAboutVersion);
  ASSERT_NE(line, nullptr);
  char text[64] = {};
  GetWindowTextA(line, text, sizeof text);
  EXPECT_EQ(std::string(text), std::string("Version ") + DUSK_VERSION_TEXT);
  EXPECT_TRUE(IsWindowVisible(line));
  about.Close();
}

}  // namespace
}  // namespace dusk
