// A privacy cleaner on fakes for everything but the files: a recording layer over the
// given file-system service, an in-memory registry, cache and history store, shell
// calls that are only recorded, and a clock that moves a millisecond per look.
#pragma once
#include <string>

#include "cleaner/privacy_cleaner.h"
#include "platform/host/fake_clock.h"
#include "platform/host/fake_url_cache.h"
#include "platform/host/fake_url_history.h"
#include "platform/host/memory_registry.h"
#include "platform/host/recording_file_system.h"
#include "platform/host/recording_shell_cleaning.h"

namespace dusk::testing {

class SteppingClock : public FakeClock {
 public:
  SteppingClock() : FakeClock(LocalDateTime{}) {}
  std::uint64_t SteadyMilliseconds() override { return ++now_; }

 private:
  std::uint64_t now_ = 0;
};

struct CountingWalkHost : WalkHost {
  int pumps = 0;
  std::vector<bool> cursor;  // every busy-pointer change
  void PumpMessages() override { ++pumps; }
  void SetBusyCursor(bool busy) override { cursor.push_back(busy); }
};

struct CleanerRig {
  explicit CleanerRig(FileSystem& disk, CleanerFolders folders = {})
      : files(disk), cleaner(Services(), std::move(folders)) {}
  CleanerServices Services() { return {files, registry, cache, history, shell, clock, host}; }

  RecordingFileSystem files;
  MemoryRegistry registry;
  FakeUrlCache cache;
  FakeUrlHistoryStore history;
  RecordingShellCleaning shell;
  SteppingClock clock;
  CountingWalkHost host;
  PrivacyCleaner cleaner;
};

// What one file went through: passes flushed, bytes each pass covered from offset 0
// without a gap (0 when a pass left one), and whether its name was removed last.
struct ShredTrace {
  bool opened = false;
  int writes = 0;
  int flushes = 0;
  std::vector<std::uint64_t> passBytes;
  bool removedLast = false;
};

inline ShredTrace TraceOf(const RecordingFileSystem& files, const std::string& path) {
  ShredTrace trace;
  std::uint64_t covered = 0;
  bool gap = false;
  const std::vector<FileEvent> events = files.EventsFor(path);
  for (const FileEvent& e : events) {
    if (e.kind == FileEvent::Open) trace.opened = e.ok;
    if (e.kind == FileEvent::Write) {
      ++trace.writes;
      gap = gap || e.offset != covered;
      covered = e.offset + e.size;
    }
    if (e.kind == FileEvent::Flush) {
      ++trace.flushes;
      trace.passBytes.push_back(gap ? 0 : covered);
      covered = 0;
      gap = false;
    }
  }
  trace.removedLast = !events.empty() && events.back().kind == FileEvent::RemoveFile && events.back().ok;
  return trace;
}

}  // namespace dusk::testing
