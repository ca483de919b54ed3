// config.ini through the profile rules, identical on the host and on Windows.
#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "contract/settings_env.h"

namespace dusk::testing {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env = MakeSettingsEnv();
    path = SettingsFilePath(env->scratchFolder());
  }
  std::string Read(const std::string& section, const std::string& key) {
    return ReadINI(env->profile(), section, key, path);
  }
  std::unique_ptr<SettingsEnv> env;
  std::string path;
};

TEST_F(SettingsFileTest, EveryAbsenceReadsAsEmptyText) {
  EXPECT_EQ(Read("Pass", "val"), "") << "missing file";
  env->writeFile(path, "[Pass]\r\nVal=\r\nother=1\r\n");
  EXPECT_EQ(Read("Pass", "val"), "") << "empty value";
  EXPECT_EQ(Read("Pass", "missing"), "") << "missing key";
  EXPECT_EQ(Read("Nowhere", "other"), "") << "missing section";
  EXPECT_EQ(Read("Pass", "other"), "1");
}

TEST_F(SettingsFileTest, WriteCreatesFileAndReadsBackWithoutRegardToCase) {
  WriteINI(env->profile(), "Pass", "Pass_Enabled", "1", path);
  WriteINI(env->profile(), "Pass", "Val", "quazel", path);
  EXPECT_EQ(Read("Pass", "Pass_enabled"), "1");
  EXPECT_EQ(Read("PASS", "val"), "quazel");

  // Rewriting a key written in another case replaces it instead of adding a second one.
  WriteINI(env->profile(), "pass", "pass_enabled", "0", path);
  EXPECT_EQ(Read("Pass", "Pass_Enabled"), "0");
  std::string file = env->readFile(path);
  EXPECT_EQ(file.find("=1"), std::string::npos) << file;
  EXPECT_EQ(Read("Pass", "Val"), "quazel") << "other keys survive a rewrite";
}

TEST_F(SettingsFileTest, LongValueIsCutTo254Characters) {
  std::string value;
  for (int i = 0; i < 300; ++i) value.push_back(static_cast<char>('a' + i % 26));
  WriteINI(env->profile(), "Message", "text", value, path);
  EXPECT_EQ(Read("Message", "text"), value.substr(0, 254));
}

TEST_F(SettingsFileTest, EightBitTextAndInnerBlanksSurvive) {
  const std::string text = "Sauvegardez  votre travail \xe9t\xe9 !";
  WriteINI(env->profile(), "Message", "text", text, path);
  EXPECT_EQ(Read("Message", "text"), text);
}

TEST_F(SettingsFileTest, ProfileRulesStripBlanksAndQuotesAroundValues) {
  env->writeFile(path, "[Sound]\r\n  Path =  \"C:\\My Music\\bell.wav\"  \r\n");
  EXPECT_EQ(Read("sound", "path"), "C:\\My Music\\bell.wav");
}

}  // namespace
}  // namespace dusk::testing
