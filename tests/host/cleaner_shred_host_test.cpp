// What only Linux lets a test set up: a file of more than 2 GiB without filling the
// disk, and a symbolic link to a single file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "contract/cleaner_files_env.h"
#include "contract/cleaner_rig.h"

namespace dusk::testing {
namespace {

TEST(HostShredTest, AFileOfMoreThanTwoGibibytesIsShreddedWhole) {
  auto env = MakeCleanerFilesEnv();
  CleanerRig rig(env->files());
  const std::string path = env->Join(env->root(), "huge.img");
  const std::uint64_t length = (std::uint64_t{5} << 30) + 100;  // past 4 GiB as well
  { std::ofstream(path, std::ios::binary); }
  ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(length)), 0);  // sparse: no blocks used
  rig.files.passWrites = false;

  rig.cleaner.ShredFile(path);

  const ShredTrace trace = TraceOf(rig.files, path);
  EXPECT_EQ(trace.passBytes, std::vector<std::uint64_t>(kShredPasses, ShredRegionBytes(length)));
  EXPECT_GE(ShredRegionBytes(length), length + 4096);
  EXPECT_TRUE(trace.removedLast);
}

TEST(HostShredTest, ASymbolicLinkToAFileGoesAndItsTargetKeepsItsBytes) {
  auto env = MakeCleanerFilesEnv();
  const std::string temp = env->Join(env->root(), "Temp");
  env->MakeFolder(temp);
  const std::string target = env->Join(env->root(), "target.txt");
  env->Write(target, "keep me");
  const std::string link = env->Join(temp, "link.txt");
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  CleanerRig rig(env->files(), CleanerFolders{.temp = temp});

  rig.cleaner.ShredFile(link);  // named directly
  EXPECT_FALSE(env->Exists(link));
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  rig.cleaner.KillTemp();  // found by the walk

  EXPECT_FALSE(env->Exists(link));
  EXPECT_EQ(TraceOf(rig.files, link).writes, 0);
  EXPECT_EQ(env->Read(target), "keep me");
}

}  // namespace
}  // namespace dusk::testing
