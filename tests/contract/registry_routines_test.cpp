// The registry routines on the in-memory registry and on the real one.
#include <gtest/gtest.h>

#include "app/registry_routines.h"
#include "contract/settings_env.h"

namespace dusk::testing {
namespace {

class RegistryRoutinesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env = MakeSettingsEnv();
    CreateRegKey(reg(), RegRoot::CurrentUser, key);
  }
  void TearDown() override {
    DeleteRegKey(reg(), RegRoot::CurrentUser, key + "\\Child\\Grandchild");
    DeleteRegKey(reg(), RegRoot::CurrentUser, key + "\\Child");
    DeleteRegKey(reg(), RegRoot::CurrentUser, key);
  }
  Registry& reg() { return env->registry(); }
  void Set(const std::string& name, std::uint32_t type, const std::string& bytes) {
    ASSERT_TRUE(reg().SetValue(RegRoot::CurrentUser, key, name, RegValue{type, bytes}));
  }
  std::optional<std::string> Read(const std::string& name) {
    return ReadRegString(reg(), RegRoot::CurrentUser, key, name);
  }
  std::unique_ptr<SettingsEnv> env;
  std::string key = std::string(kScratchKey) + "\\Routines";
};

TEST_F(RegistryRoutinesTest, OnlyStringValuesReadAsText) {
  Set("Start Menu", regtype::Sz, std::string("C:\\Menu\0", 8));
  Set("Expand", regtype::ExpandSz, std::string("%TEMP%\0", 7));
  Set("Number", regtype::Dword, std::string("\x01\0\0\0", 4));
  EXPECT_EQ(Read("start menu"), "C:\\Menu");
  EXPECT_EQ(Read("Expand"), std::nullopt);
  EXPECT_EQ(Read("Number"), std::nullopt);
  EXPECT_EQ(Read("Missing"), std::nullopt);
  EXPECT_EQ(ReadRegString(reg(), RegRoot::CurrentUser, key + "\\Nope", "Start Menu"), std::nullopt);
}

TEST_F(RegistryRoutinesTest, TextEndsAtTheFirstNul) {
  Set("Embedded", regtype::Sz, std::string("before\0after\0", 13));
  Set("Unterminated", regtype::Sz, "whole");
  Set("Empty", regtype::Sz, std::string("\0", 1));
  EXPECT_EQ(Read("Embedded"), "before");
  EXPECT_EQ(Read("Unterminated"), "whole");
  EXPECT_EQ(Read("Empty"), "");
}

TEST_F(RegistryRoutinesTest, KeysAreCreatedAndDeletedLeafFirst) {
  CreateRegKey(reg(), RegRoot::CurrentUser, key + "\\Child\\Grandchild");
  EXPECT_TRUE(reg().KeyExists(RegRoot::CurrentUser, key + "\\CHILD\\grandchild"));

  DeleteRegKey(reg(), RegRoot::CurrentUser, key + "\\Child");
  EXPECT_TRUE(reg().KeyExists(RegRoot::CurrentUser, key + "\\Child"))
      << "a key with sub-keys stays";

  DeleteRegKey(reg(), RegRoot::CurrentUser, key + "\\Child\\Grandchild");
  DeleteRegKey(reg(), RegRoot::CurrentUser, key + "\\Child");
  EXPECT_FALSE(reg().KeyExists(RegRoot::CurrentUser, key + "\\Child"));
}

TEST_F(RegistryRoutinesTest, DeleteValueRemovesOnlyThatValue) {
  Set("a", regtype::Sz, std::string("1\0", 2));
  Set("b", regtype::Sz, std::string("2\0", 2));
  DeleteRegValue(reg(), RegRoot::CurrentUser, key, "A");
  DeleteRegValue(reg(), RegRoot::CurrentUser, key + "\\Nope", "b");  // silent
  EXPECT_EQ(Read("a"), std::nullopt);
  EXPECT_EQ(Read("b"), "2");
}

}  // namespace
}  // namespace dusk::testing
