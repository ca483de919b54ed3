// Shredding and emptying folders on the real file system of each side: what the
// recording layer sees and what is left on the disk.
#include <gtest/gtest.h>

#include "contract/cleaner_files_env.h"
#include "contract/cleaner_rig.h"

namespace dusk::testing {
namespace {

class ShredTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env = MakeCleanerFilesEnv();
    temp = At("Temp");
    outside = At("Outside");
    env->MakeFolder(temp);
    env->MakeFolder(outside);
    rig = std::make_unique<CleanerRig>(env->files(), CleanerFolders{.temp = temp});
  }
  std::string At(const std::string& name) { return env->Join(env->root(), name); }
  std::string In(const std::string& folder, const std::string& name) { return env->Join(folder, name); }
  std::string Write(const std::string& path, std::size_t size, char fill = 'x') {
    env->Write(path, std::string(size, fill));
    return path;
  }
  // Eleven passes over the whole region, each flushed, then the name removed.
  void ExpectShredded(const std::string& path, std::uint64_t region) {
    const ShredTrace trace = TraceOf(rig->files, path);
    EXPECT_TRUE(trace.opened) << path;
    EXPECT_EQ(trace.flushes, kShredPasses) << path;
    EXPECT_EQ(trace.passBytes, std::vector<std::uint64_t>(kShredPasses, region)) << path;
    EXPECT_TRUE(trace.removedLast) << path;
    EXPECT_FALSE(env->Exists(path)) << path;
  }
  void ExpectUntouched(const std::string& path, const std::string& bytes) {
    EXPECT_EQ(env->Read(path), bytes) << path;
    EXPECT_TRUE(rig->files.EventsFor(path).empty()) << path;
  }

  std::unique_ptr<CleanerFilesEnv> env;
  std::unique_ptr<CleanerRig> rig;
  std::string temp, outside;
};

TEST_F(ShredTest, EveryPassCoversOneBlockMoreThanTheRoundedLength) {
  const std::pair<std::size_t, std::uint64_t> cases[] = {
      {0, 8192}, {100, 8192}, {4096, 8192}, {8192, 16384}, {12288, 24576}, {20480, 24576}};
  for (const auto& [length, region] : cases) {
    const std::string path = Write(In(temp, std::to_string(length) + ".bin"), length);
    rig->files.keep.insert(path);  // left on the disk to be looked at
    rig->cleaner.ShredFile(path);
    const ShredTrace trace = TraceOf(rig->files, path);
    EXPECT_EQ(trace.passBytes, std::vector<std::uint64_t>(kShredPasses, region)) << length;
    EXPECT_TRUE(trace.removedLast) << length;
    EXPECT_EQ(env->Read(path), std::string(region, '#')) << length << ": grown, never truncated";
  }
}

TEST_F(ShredTest, ANameWithoutAFileIsMadeFilledAndRemoved) {
  const std::string path = In(temp, "never-there");
  rig->cleaner.ShredFile(path);
  ExpectShredded(path, 8192);
}

TEST_F(ShredTest, ReadOnlyHiddenFilesAreShreddedLikeAnyOther) {
  const std::string path = Write(In(temp, ".locked"), 5000);  // rounds up to one block
  env->MarkReadOnlyHidden(path);
  rig->cleaner.ShredFile(path);
  ExpectShredded(path, 16384);
}

TEST_F(ShredTest, NamesInOtherScriptsAreReachedToo) {
  const std::string greek = In(temp, "\xCE\xB1\xCF\x81\xCF\x87\xCE\xB5\xCE\xAF\xCE\xBF.txt");  // αρχείο
  const std::string folder = In(temp, "\xE6\x96\x87\xE4\xBB\xB6");                             // 文件
  env->MakeFolder(folder);
  const std::string chinese = In(folder, "\xE5\x86\x85\xE5\xAE\xB9.txt");  // 内容
  Write(greek, 10);
  Write(chinese, 9000);
  rig->cleaner.KillTemp();
  ExpectShredded(greek, 8192);
  ExpectShredded(chinese, 16384);
  EXPECT_FALSE(env->Exists(folder));
}

TEST_F(ShredTest, KillFilesShredsEveryLevelAndKeepsTheFolders) {
  const std::string one = In(temp, "one"), two = In(one, "two"), three = In(two, "three");
  for (const std::string& f : {one, two, three}) env->MakeFolder(f);
  const std::string files[] = {Write(In(temp, "a"), 1), Write(In(one, "b"), 2), Write(In(two, "c"), 3),
                               Write(In(three, "d"), 4)};
  rig->cleaner.KillFiles(temp);
  for (const std::string& f : files) ExpectShredded(f, 8192);
  for (const std::string& f : {one, two, three}) EXPECT_TRUE(env->Exists(f)) << f;
}

TEST_F(ShredTest, KillTempEmptiesTheTreeAndKeepsTheFolderItself) {
  const std::string one = In(temp, "one"), two = In(one, "two"), three = In(two, "three");
  for (const std::string& f : {one, two, three}) env->MakeFolder(f);
  const std::string files[] = {Write(In(temp, "a"), 100), Write(In(temp, "b"), 12288), Write(In(one, "c"), 1),
                               Write(In(three, "d"), 8192)};
  env->MarkReadOnlyHidden(files[2]);
  env->MarkReadOnlyHidden(three);
  const std::string neighbour = Write(In(outside, "keep.txt"), 300, 'k');

  rig->cleaner.KillTemp();

  ExpectShredded(files[0], 8192);
  ExpectShredded(files[1], 24576);
  ExpectShredded(files[2], 8192);
  ExpectShredded(files[3], 16384);
  EXPECT_FALSE(env->Exists(one));
  EXPECT_TRUE(env->Exists(temp));
  EXPECT_EQ(env->files().ListFolder(temp)->size(), 0u);
  ExpectUntouched(neighbour, std::string(300, 'k'));
  EXPECT_EQ(rig->host.cursor, (std::vector<bool>{true, false}));
}

TEST_F(ShredTest, AHardLinkedFileLosesOnlyItsNameInside) {
  const std::string original = Write(In(outside, "shared.txt"), 700, 's');
  const std::string link = In(temp, "shared-link.txt");
  ASSERT_TRUE(env->MakeHardLink(original, link));
  env->MarkReadOnlyHidden(link);

  rig->cleaner.KillTemp();

  EXPECT_FALSE(env->Exists(link));
  EXPECT_EQ(TraceOf(rig->files, link).writes, 0) << "its contents belong to another name as well";
  EXPECT_EQ(env->Read(original), std::string(700, 's'));
}

TEST_F(ShredTest, ALinkToAFolderOutsideIsRemovedAndNeverFollowed) {
  const std::string target = In(outside, "elsewhere");
  env->MakeFolder(target);
  env->MakeFolder(In(target, "deeper"));
  const std::string precious = Write(In(target, "precious.txt"), 4000, 'p');
  const std::string deeper = Write(In(In(target, "deeper"), "more.txt"), 10, 'm');
  const std::string inTemp = In(temp, "sub");
  env->MakeFolder(inTemp);
  if (!env->MakeFolderLink(target, In(temp, "link")) || !env->MakeFolderLink(target, In(inTemp, "link")))
    GTEST_SKIP() << "this platform lets no test make a link to a folder";

  rig->cleaner.KillTemp();

  EXPECT_FALSE(env->Exists(In(temp, "link")));
  EXPECT_FALSE(env->Exists(inTemp));
  ExpectUntouched(precious, std::string(4000, 'p'));
  ExpectUntouched(deeper, std::string(10, 'm'));
}

TEST_F(ShredTest, AFileInUseIsSkippedAndTheWalkGoesOn) {
  const std::string held = Write(In(temp, "held"), 50, 'h');
  const std::string free = Write(In(temp, "free"), 50);
  const std::string sub = In(temp, "sub");
  env->MakeFolder(sub);
  const std::string heldInside = Write(In(sub, "held"), 50, 'h');
  rig->files.inUse = {held, heldInside};

  rig->cleaner.KillTemp();

  EXPECT_EQ(env->Read(held), std::string(50, 'h'));
  EXPECT_EQ(env->Read(heldInside), std::string(50, 'h'));
  EXPECT_TRUE(env->Exists(sub)) << "a folder that still holds a file stays";
  ExpectShredded(free, 8192);
}

}  // namespace
}  // namespace dusk::testing
