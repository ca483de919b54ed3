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

// What one file went through: its passes' bytes (0 for a pass with a gap or without a
// flush at its end), how many passes were flushed, whether its name was removed last.
struct ShredTrace {
  bool opened = false;
  int writes = 0;
  int flushes = 0;
  std::vector<std::uint64_t> passBytes;
  bool removedLast = false;
};

inline ShredTrace TraceOf(const RecordingFileSystem& files, const std::string& path) {
  ShredTrace trace;
  const std::vector<FileEvent> events = files.EventsFor(path);
  for (const FileEvent& e : events) {
    if (e.kind == FileEvent::Open) trace.opened = e.ok;
    if (e.kind == FileEvent::Write) ++trace.writes;
  }
  for (const OverwritePass& pass : files.PassesOf(path)) {
    trace.flushes += pass.flushed ? 1 : 0;
    trace.passBytes.push_back(pass.gapless && pass.flushed ? pass.bytes : 0);
  }
  trace.removedLast = !events.empty() && events.back().kind == FileEvent::RemoveFile && events.back().ok;
  return trace;
}

}  // namespace dusk::testing
