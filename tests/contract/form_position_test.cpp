// Window positions through the per-user store, on both registries.
#include <gtest/gtest.h>

#include "app/app_identity.h"
#include "app/form_position.h"
#include "app/registry_routines.h"
#include "contract/settings_env.h"
#include "platform/host/recording_dialogs.h"

namespace dusk::testing {
namespace {

// A 500 x 433 pixel window on a 1024 x 768 screen, in twips.
class FakeWindow : public PositionedWindow {
 public:
  std::string WindowName() const override { return "frmPositionTest"; }
  long Left() const override { return left; }
  long Top() const override { return top; }
  long Width() const override { return 7500; }
  long Height() const override { return 6495; }
  long ScreenWidth() const override { return 15360; }
  long ScreenHeight() const override { return 11520; }
  void MoveTo(long x, long y) override {
    left = x;
    top = y;
    ++moves;
  }
  long left = 1500;
  long top = 1500;
  int moves = 0;
};

constexpr long kCentreX = (15360 - 7500) / 2;
constexpr long kCentreY = (11520 - 6495) / 2;
const std::string kStoreKey = "Software\\Dusklatch\\Settings";

class FormPositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env = MakeSettingsEnv();
    Forget();
  }
  void TearDown() override { Forget(); }
  void Forget() {
    DeleteRegValue(env->registry(), RegRoot::CurrentUser, kStoreKey, "frmPositionTest StartUp_Xpos");
    DeleteRegValue(env->registry(), RegRoot::CurrentUser, kStoreKey, "frmPositionTest StartUp_Ypos");
  }
  void Store(const std::string& x, const std::string& y) {
    env->registry().SetValue(RegRoot::CurrentUser, kStoreKey, "frmPositionTest StartUp_Xpos",
                             StringValue(x));
    env->registry().SetValue(RegRoot::CurrentUser, kStoreKey, "frmPositionTest StartUp_Ypos",
                             StringValue(y));
  }
  std::optional<std::string> Stored(const std::string& axis) {
    return ReadRegString(env->registry(), RegRoot::CurrentUser, kStoreKey,
                         "frmPositionTest StartUp_" + axis + "pos");
  }
  void Load() {
    PositionServices services{env->registry(), dialogs};
    LoadFormPosition(services, window);
  }
  void Save() {
    PositionServices services{env->registry(), dialogs};
    SaveFormPosition(services, window);
  }
  std::unique_ptr<SettingsEnv> env;
  RecordingDialogs dialogs;
  FakeWindow window;
};

TEST_F(FormPositionTest, SavedPositionComesBack) {
  window.left = 2400;
  window.top = 990;
  Save();
  EXPECT_EQ(Stored("X"), "2400");
  EXPECT_EQ(Stored("Y"), "990");
  window.left = window.top = 0;
  Load();
  EXPECT_EQ(window.left, 2400);
  EXPECT_EQ(window.top, 990);
}

TEST_F(FormPositionTest, NoStoredPositionCentres) {
  Load();
  EXPECT_EQ(window.left, kCentreX);
  EXPECT_EQ(window.top, kCentreY);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(FormPositionTest, LoadClampsOffScreenValues) {
  Store("-50", "-1");
  Load();
  EXPECT_EQ(window.left, 0);
  EXPECT_EQ(window.top, 0);

  Store("15360", "99999");  // at and beyond the screen's width and height
  Load();
  EXPECT_EQ(window.left, kCentreX);
  EXPECT_EQ(window.top, kCentreY);

  Store("15359", "11519");  // just inside stays
  Load();
  EXPECT_EQ(window.left, 15359);
  EXPECT_EQ(window.top, 11519);
}

TEST_F(FormPositionTest, SaveClampsTheSameWay) {
  window.left = -300;  // dragged partly off the left edge
  window.top = 20000;
  Save();
  EXPECT_EQ(Stored("X"), "0");
  EXPECT_EQ(Stored("Y"), std::to_string(kCentreY));
}

TEST_F(FormPositionTest, StoredTextThatIsNoNumberCentresOnceAndTellsTheUser) {
  Store("left", "300");
  Load();
  EXPECT_EQ(window.left, kCentreX);
  EXPECT_EQ(window.top, kCentreY);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].title, kAppTitle);
  EXPECT_EQ(dialogs.shown()[0].buttons, MsgButtons::Ok);
  EXPECT_NE(dialogs.shown()[0].text.find("\"left\""), std::string::npos);
  // The centred position replaced the bad value, so the next start is quiet.
  EXPECT_EQ(Stored("X"), std::to_string(kCentreX));
  Load();
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

}  // namespace
}  // namespace dusk::testing
