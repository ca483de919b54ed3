// The real main window on recording and in-memory services, for the Windows tests of
// the windows it owns.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/win/main_window.h"
#include "platform/host/fake_clock.h"
#include "platform/host/ini_file_profile.h"
#include "platform/host/memory_registry.h"
#include "platform/host/recording_dialogs.h"
#include "platform/host/recording_power.h"
#include "platform/host/recording_shell_cleaning.h"

namespace dusk {

class MainFrameFixture : public ::testing::Test {
 protected:
  // The Start Menu folder decides the drive the hibernation file is looked for on.
  void CreateMainFrame(const std::string& startMenu = "C:\\Users\\me\\Start Menu") {
    registry.SetValue(RegRoot::CurrentUser,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                      "Start Menu", RegValue{regtype::Sz, startMenu + std::string(1, '\0')});
    main = std::make_unique<MainFrame>(services);
    ASSERT_TRUE(main->Create());
  }
  void TearDown() override { main.reset(); }

  RecordingPower power;
  RecordingDialogs dialogs;
  FakeClock clock{LocalDateTime{}};
  IniFileProfile profile;
  MemoryRegistry registry;
  RecordingShellCleaning shellCleaning;
  ProgramServices services{power, dialogs, clock, profile, registry, shellCleaning};
  std::unique_ptr<MainFrame> main;
};

}  // namespace dusk
