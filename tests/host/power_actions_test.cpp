// Which requests each action becomes, and what each system allows.
#include <gtest/gtest.h>

#include "platform/host/recording_power.h"
#include "power/power_actions.h"

namespace dusk {
namespace {

using Lines = std::vector<std::string>;

TEST(PowerActions, ClassifiesEverySystem) {
  struct Row {
    OsVersionNumbers v;
    int platformClass, osType;
    const char* name;
  };
  const Row rows[] = {
      {{0, 3, 10}, 0, 0, "Windows 32"}, {{1, 4, 0}, 1, 1, "Windows 95"},
      {{1, 4, 10}, 1, 2, "Windows 98"}, {{1, 4, 90}, 1, 3, "Windows ME"},
      {{1, 4, 3}, 1, 0, "Windows 32"},  {{2, 4, 0}, 2, 4, "Windows NT"},
      {{2, 3, 51}, 2, 4, "Windows NT"}, {{2, 5, 0}, 2, 5, "Windows 2000"},
      {{2, 5, 1}, 2, 6, "Windows XP"},  {{2, 5, 2}, 2, 0, "Windows 32"},
      {{2, 6, 0}, 2, 0, "Windows 32"},  {{2, 10, 0}, 2, 0, "Windows 32"},
      {{3, 5, 1}, 0, 0, "Windows 32"},
  };
  for (const Row& row : rows) {
    RecordingPower api;
    api.version = row.v;
    OsVersionInfo info = GetOsVersionInfo(api);
    EXPECT_EQ(info.PlatformClass, row.platformClass) << row.v.platformId << " " << row.v.major;
    EXPECT_EQ(info.OsType, row.osType) << row.v.platformId << " " << row.v.major << "." << row.v.minor;
    EXPECT_EQ(GetOsName(api), row.name);
  }
}

TEST(PowerActions, ForceAddsFourAndNtHoldsThePrivilegeOnlyAroundTheRequest) {
  RecordingPower api;
  api.accept = false;  // the privilege is dropped again even when the request fails
  EXPECT_FALSE(ExitWindowsAction(api, kEwxPowerOff, true));
  ExitWindowsAction(api, kEwxReboot, true);
  ExitWindowsAction(api, kEwxLogOff, true);
  ExitWindowsAction(api, kEwxPowerOff, false);
  EXPECT_EQ(api.requests(),
            (Lines{"privilege on", "ExitWindowsEx 12", "privilege off", "privilege on",
                   "ExitWindowsEx 6", "privilege off", "privilege on", "ExitWindowsEx 4",
                   "privilege off", "privilege on", "ExitWindowsEx 8", "privilege off"}));
}

TEST(PowerActions, NinetyFiveFamilyExitsWithoutPrivilegeCalls) {
  RecordingPower api;
  api.version = {1, 4, 10};
  EXPECT_TRUE(ExitWindowsAction(api, kEwxReboot, false));
  EXPECT_EQ(api.requests(), (Lines{"ExitWindowsEx 2"}));
}

TEST(PowerActions, SuspendAndLockFollowTheSystemType) {
  struct Row {
    OsVersionNumbers v;
    bool suspends, locks;
  };
  const Row rows[] = {{{2, 5, 1}, true, true},   {{2, 5, 0}, true, true},
                      {{1, 4, 10}, true, false}, {{1, 4, 90}, true, false},
                      {{2, 4, 0}, false, false}, {{1, 4, 0}, false, false},
                      {{2, 6, 0}, false, false}, {{2, 5, 2}, false, false}};
  for (const Row& row : rows) {
    RecordingPower api;
    api.version = row.v;
    EXPECT_EQ(SuspendMachine(api, 1, false, false), row.suspends) << row.v.major << "." << row.v.minor;
    EXPECT_EQ(LockComputer(api), row.locks) << row.v.major << "." << row.v.minor;
    Lines expected;
    if (row.suspends && row.v.platformId == 2) expected.push_back("privilege on");
    if (row.suspends) expected.push_back("SetSuspendState 1 0 0");
    if (row.suspends && row.v.platformId == 2) expected.push_back("privilege off");
    if (row.locks) expected.push_back("LockWorkStation");
    EXPECT_EQ(api.requests(), expected) << row.v.major << "." << row.v.minor;
  }
}

// SetSuspendState fails on 2000 and XP without the shutdown privilege enabled.
TEST(PowerActions, NtHoldsThePrivilegeOnlyAroundEverySuspend) {
  RecordingPower api;
  api.accept = false;  // dropped again when the request fails too
  EXPECT_FALSE(SuspendMachine(api, 0, true, false));
  SuspendMachine(api, 1, false, false);
  EXPECT_EQ(api.requests(), (Lines{"privilege on", "SetSuspendState 0 1 0", "privilege off",
                                   "privilege on", "SetSuspendState 1 0 0", "privilege off"}));
}

TEST(PowerActions, EachActionBecomesItsRequest) {
  RecordingPower api;
  PerformPowerAction(api, PowerAction::Shutdown, false);
  PerformPowerAction(api, PowerAction::LogOff, true);
  PerformPowerAction(api, PowerAction::StandBy, true);
  PerformPowerAction(api, PowerAction::Hibernate, false);
  PerformPowerAction(api, PowerAction::Lock, true);
  EXPECT_EQ(api.requests(),
            (Lines{"privilege on", "ExitWindowsEx 8", "privilege off", "privilege on",
                   "ExitWindowsEx 4", "privilege off", "privilege on", "SetSuspendState 0 1 0",
                   "privilege off", "privilege on", "SetSuspendState 1 0 0", "privilege off",
                   "LockWorkStation"}));
}

TEST(PowerActions, HibernationFileSitsAtTheStartMenuDriveRoot) {
  EXPECT_EQ(HibernationFilePath("C:\\Documents and Settings\\ann\\Start Menu"), "C:\\hiberfil.sys");
  EXPECT_EQ(HibernationFilePath(""), "hiberfil.sys");
  RecordingPower api;
  api.existingFiles.insert("C:\\hiberfil.sys");
  EXPECT_TRUE(IsHibernationAvailable(api, "C:\\hiberfil.sys"));
  EXPECT_FALSE(IsHibernationAvailable(api, "hiberfil.sys"));
}

}  // namespace
}  // namespace dusk
