// The registry history cleaners on the in-memory registry and on the real one. The
// lists' keys are moved under a scratch key, so the user's own lists stay as they are.
#include <gtest/gtest.h>

#include "app/registry_routines.h"
#include "cleaner/registry_lists.h"
#include "contract/settings_env.h"
#include "platform/host/recording_shell_cleaning.h"

namespace dusk::testing {
namespace {

// Every path of the current user's root lands below `base`.
class ScratchRegistry : public Registry {
 public:
  ScratchRegistry(Registry& inner, std::string base) : inner_(inner), base_(std::move(base)) {}
  bool CreateKey(RegRoot root, const std::string& path) override { return inner_.CreateKey(root, At(path)); }
  bool KeyExists(RegRoot root, const std::string& path) override { return inner_.KeyExists(root, At(path)); }
  std::vector<std::string> SubKeyNames(RegRoot root, const std::string& path) override {
    return inner_.SubKeyNames(root, At(path));
  }
  std::optional<RegValue> QueryValue(RegRoot root, const std::string& path, const std::string& name) override {
    return inner_.QueryValue(root, At(path), name);
  }
  bool SetValue(RegRoot root, const std::string& path, const std::string& name, const RegValue& value) override {
    return inner_.SetValue(root, At(path), name, value);
  }
  bool DeleteKey(RegRoot root, const std::string& path) override { return inner_.DeleteKey(root, At(path)); }
  bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override {
    return inner_.DeleteValue(root, At(path), name);
  }

 private:
  std::string At(const std::string& path) const { return base_ + "\\" + path; }
  Registry& inner_;
  std::string base_;
};

constexpr const char* kTyped = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr const char* kSearch = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU";
constexpr const char* kRecent = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
constexpr const char* kPlayer = "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";
constexpr const char* kPaint = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List";

class RegistryListsTest : public ::testing::Test {
 protected:
  void TearDown() override { DeleteTree(env->registry(), base); }
  static void DeleteTree(Registry& r, const std::string& key) {
    for (const std::string& child : r.SubKeyNames(RegRoot::CurrentUser, key)) DeleteTree(r, key + "\\" + child);
    r.DeleteKey(RegRoot::CurrentUser, key);
  }
  void Put(const std::string& key, const std::string& name, const std::string& text = "x") {
    ASSERT_TRUE(reg.SetValue(RegRoot::CurrentUser, key, name, StringValue(text)));
  }
  void PutAll(const std::string& key, const std::string& prefix, int from, int to) {
    for (int i = from; i <= to; ++i) Put(key, prefix + std::to_string(i), "C:\\file" + std::to_string(i));
  }
  bool Has(const std::string& key, const std::string& name) {
    return reg.QueryValue(RegRoot::CurrentUser, key, name).has_value();
  }
  std::string Present(const std::string& key, const std::vector<std::string>& names) {
    std::string found;
    for (const std::string& n : names)
      if (Has(key, n)) found += n + " ";
    return found;
  }

  std::unique_ptr<SettingsEnv> env = MakeSettingsEnv();
  std::string base = std::string(kScratchKey) + "\\Lists";
  ScratchRegistry reg{env->registry(), base};
};

TEST_F(RegistryListsTest, NumberedListsEndAtTheFirstGapAndBeginAtTheirFirstNumber) {
  PutAll(kTyped, "url", 1, 5);
  ClearTypedURLValues(reg);
  EXPECT_EQ(Present(kTyped, {"url1", "url5"}), "url1 url5 ") << "no url0: nothing goes";

  PutAll(kPlayer, "File", 0, 9);
  ClearMediaPlayerList(reg);
  EXPECT_EQ(Present(kPlayer, {"File0", "File5", "File9"}), "");
  EXPECT_TRUE(reg.KeyExists(RegRoot::CurrentUser, kPlayer));

  PutAll(kPaint, "File", 0, 4);
  ClearPaintList(reg);
  EXPECT_EQ(Present(kPaint, {"File0", "File1", "File4"}), "File0 ") << "Paint's list begins at 1";
}

TEST_F(RegistryListsTest, AGapOrAnEmptyEntryKeepsEverythingFromThereOn) {
  for (const char* name : {"url0", "url1", "url3"}) Put(kTyped, name);
  ClearTypedURLValues(reg);
  EXPECT_EQ(Present(kTyped, {"url0", "url1", "url3"}), "url3 ");

  Put(kPlayer, "File0");
  Put(kPlayer, "File1", "");
  Put(kPlayer, "File2");
  ClearMediaPlayerList(reg);
  EXPECT_EQ(Present(kPlayer, {"File0", "File1", "File2"}), "File1 File2 ");
}

TEST_F(RegistryListsTest, LetterListsGoByTheirOrderValue) {
  for (const char* name : {"a", "b", "c", "d"}) Put(kSearch, name);
  Put(kSearch, "MRUList", "cab");
  ClearSearchMRU(reg);
  EXPECT_EQ(Present(kSearch, {"a", "b", "c", "d", "MRUList"}), "d ");

  for (const char* name : {"a", "b"}) Put(kRecent, name);
  RecordingShellCleaning shell;
  ClearRecentDocs(reg, shell);
  EXPECT_EQ(Present(kRecent, {"a", "b"}), "a b ") << "without MRUList nothing is named";
  EXPECT_EQ(shell.calls, std::vector<std::string>{"clear recent documents"});

  Put(kRecent, "MRUList", "ba");
  CreateRegKey(reg, RegRoot::CurrentUser, std::string(kRecent) + "\\.txt");
  ClearRecentDocs(reg, shell);
  EXPECT_EQ(Present(kRecent, {"a", "b", "MRUList"}), "");
  EXPECT_TRUE(reg.KeyExists(RegRoot::CurrentUser, std::string(kRecent) + "\\.txt")) << "sub-keys stay";
}

TEST_F(RegistryListsTest, WholeKeyClearsLeaveAnEmptyKeyEvenWithSubKeys) {
  for (const char* name : {"a", "b"}) Put(kRun, name);
  Put(kRun, "MRUList", "ba");
  ClearRunMRU(reg);
  EXPECT_TRUE(reg.KeyExists(RegRoot::CurrentUser, kRun));
  EXPECT_EQ(Present(kRun, {"a", "b", "MRUList"}), "");

  PutAll(kTyped, "url", 1, 3);
  Put(std::string(kTyped) + "\\Extra\\Deeper", "url0");
  ClearIEHistory(reg);
  EXPECT_TRUE(reg.KeyExists(RegRoot::CurrentUser, kTyped));
  EXPECT_EQ(Present(kTyped, {"url1", "url3"}), "") << "a key with sub-keys is emptied all the same";
  EXPECT_TRUE(reg.SubKeyNames(RegRoot::CurrentUser, kTyped).empty());
}

TEST_F(RegistryListsTest, MissingKeysAreLeftAloneExceptByTheWholeKeyClear) {
  ClearTypedURLValues(reg);
  ClearSearchMRU(reg);
  ClearPaintList(reg);
  EXPECT_FALSE(reg.KeyExists(RegRoot::CurrentUser, kTyped));
  EXPECT_FALSE(reg.KeyExists(RegRoot::CurrentUser, kSearch));
  EXPECT_FALSE(reg.KeyExists(RegRoot::CurrentUser, kPaint));
  ClearRunMRU(reg);
  EXPECT_TRUE(reg.KeyExists(RegRoot::CurrentUser, kRun));
}

}  // namespace
}  // namespace dusk::testing
