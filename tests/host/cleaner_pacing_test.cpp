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

// A disk that takes its time: writes land in the cache at once, a flush takes a
// millisecond per 100 KB written since the last one.
class SlowDisk : public FileSystem {
 public:
  SlowDisk(FileSystem& inner, FakeClock& clock) : inner_(inner), clock_(clock) {}
  std::optional<std::vector<FolderEntry>> ListFolder(const std::string& f) override { return inner_.ListFolder(f); }
  std::optional<FileFacts> Inspect(const std::string& p) override { return inner_.Inspect(p); }
  bool SetAttributes(const std::string& p, std::uint32_t a) override { return inner_.SetAttributes(p, a); }
  bool RemoveFile(const std::string& p) override { return inner_.RemoveFile(p); }
  bool RemoveFolder(const std::string& p) override { return inner_.RemoveFolder(p); }
  std::unique_ptr<OpenedFile> OpenForOverwrite(const std::string& path) override {
    struct File : OpenedFile {
      File(std::unique_ptr<OpenedFile> f, FakeClock& c) : inner(std::move(f)), clock(c) {}
      FileFacts Facts() override { return inner->Facts(); }
      bool WriteAt(std::uint64_t, const char*, std::size_t size) override {
        dirty += size;
        return true;
      }
      bool Flush() override {
        clock.Advance(dirty / 100000);
        dirty = 0;
        return true;
      }
      std::unique_ptr<OpenedFile> inner;
      FakeClock& clock;
      std::uint64_t dirty = 0;
    };
    auto opened = inner_.OpenForOverwrite(path);
    return opened ? std::make_unique<File>(std::move(opened), clock_) : nullptr;
  }

 private:
  FileSystem& inner_;
  FakeClock& clock_;
};

struct GapWatch : WalkHost {
  explicit GapWatch(Clock& c) : clock(c), last(c.SteadyMilliseconds()) {}
  void PumpMessages() override {
    const std::uint64_t now = clock.SteadyMilliseconds();
    longest = std::max(longest, now - last);
    last = now;
  }
  void SetBusyCursor(bool) override {}
  Clock& clock;
  std::uint64_t last, longest = 0;
};

TEST(WalkPacerTest, ALongPassOnASlowDiskIsFlushedInPiecesTheWindowsCanWaitFor) {
  auto env = MakeCleanerFilesEnv();
  const std::string path = env->Join(env->root(), "large");
  env->Write(path, std::string(64 << 20, 'x'));  // 64 MiB: eleven passes of 0.7 s each
  FakeClock clock{LocalDateTime{}};
  SlowDisk disk(env->files(), clock);
  RecordingFileSystem files(disk);
  GapWatch watch(clock);
  WalkPacer pacer(clock, watch);
  Shredder shredder(files, pacer);

  shredder.ShredFile(path);

  EXPECT_LE(watch.longest, 50u);
  EXPECT_EQ(TraceOf(files, path).passBytes, std::vector<std::uint64_t>(kShredPasses, (64 << 20) + 8192));
}

}  // namespace
}  // namespace dusk::testing
