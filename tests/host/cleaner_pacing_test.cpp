// Long walks let the windows' messages run on a time basis, and the shred's bytes do
// not depend on how the writes are cut.
#include <gtest/gtest.h>

#include "contract/cleaner_files_env.h"
#include "contract/cleaner_rig.h"

namespace dusk::testing {
namespace {

TEST(WalkPacerTest, PumpsOnceTheIntervalHasPassedSinceTheLastPump) {
  FakeClock clock{LocalDateTime{}};
  CountingWalkHost host;
  WalkPacer pacer(clock, host, 25);
  pacer.Tick();
  clock.Advance(24);
  pacer.Tick();
  EXPECT_EQ(host.pumps, 0);
  clock.Advance(1);
  pacer.Tick();
  pacer.Tick();
  EXPECT_EQ(host.pumps, 1);
  clock.Advance(25);
  pacer.Tick();
  EXPECT_EQ(host.pumps, 2);
}

TEST(WalkPacerTest, AShredOfOneLargeFileKeepsPumping) {
  auto env = MakeCleanerFilesEnv();
  CleanerRig rig(env->files());
  const std::string path = env->Join(env->root(), "big");
  env->Write(path, std::string(4 << 20, 'x'));
  rig.files.passWrites = false;
  WalkPacer pacer(rig.clock, rig.host, 25);
  Shredder shredder(rig.files, pacer, 8192);
  shredder.ShredFile(path);
  EXPECT_EQ(TraceOf(rig.files, path).passBytes, std::vector<std::uint64_t>(kShredPasses, 513 * 8192));
  // 11 passes of 513 writes and a flush, each followed by one look at a clock that
  // moves a millisecond per look, pumping every 25 looks or so.
  EXPECT_GE(rig.host.pumps, 11 * 514 / 27);
}

}  // namespace
}  // namespace dusk::testing
