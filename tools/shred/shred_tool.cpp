// dusk_shred: runs the cleaner's shredding routines from the command line, for the
// benchmark and the end-to-end checks. Not shipped.
//
//   dusk_shred shred <file>...     ShredFile on each file
//   dusk_shred killfiles <folder>  KillFiles: every file below, folders kept
//   dusk_shred killtemp <folder>   KillTemp with <folder> as the temporary folder
// Options before the command:
//   --write-bytes N   bytes per write (the bytes on the disk are the same)
//   --trace <file>    one line per file touched: path, passes flushed, bytes of every
//                     pass (0 for one with a gap or unflushed), and "removed" or "kept"
// Prints "elapsed_ms=<n>" for the routine alone.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cleaner/privacy_cleaner.h"
#include "cleaner/win/window_walk_host.h"
#include "platform/host/fake_url_cache.h"
#include "platform/host/fake_url_history.h"
#include "platform/host/memory_registry.h"
#include "platform/host/recording_file_system.h"
#include "platform/host/recording_shell_cleaning.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"

namespace dusk {
namespace {

std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return args;
}

// Per file, in the order first touched: passes flushed, bytes of each pass, removed.
void WriteTrace(const RecordingFileSystem& files, const std::string& traceFile) {
  std::vector<std::string> order;
  std::map<std::string, bool> removed;
  for (const FileEvent& e : files.events()) {
    if (e.kind == FileEvent::RemoveFolder) continue;
    if (!removed.count(e.path)) order.push_back(e.path);
    if (e.kind == FileEvent::RemoveFile) removed[e.path] = e.ok;
    removed.try_emplace(e.path, false);
  }
  std::ofstream out(WideFromUtf8(traceFile).c_str(), std::ios::binary);
  for (const std::string& path : order) {
    int flushed = 0;
    std::string bytes;
    for (const OverwritePass& pass : files.PassesOf(path)) {
      flushed += pass.flushed ? 1 : 0;
      if (!bytes.empty()) bytes += ',';
      bytes += std::to_string(pass.gapless && pass.flushed ? pass.bytes : 0);
    }
    out << path << '\t' << flushed << '\t' << (bytes.empty() ? "-" : bytes) << '\t'
        << (removed[path] ? "removed" : "kept") << '\n';
  }
}

int Run(std::vector<std::string> args) {
  std::size_t writeBytes = Shredder::kDefaultWriteBytes;
  std::string traceFile;
  while (args.size() >= 2 && args[0].rfind("--", 0) == 0) {
    if (args[0] == "--write-bytes") writeBytes = std::strtoul(args[1].c_str(), nullptr, 10);
    if (args[0] == "--trace") traceFile = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: dusk_shred [--write-bytes N] [--trace file] shred|killfiles|killtemp <path>...\n");
    return 2;
  }
  Win32FileSystem disk;
  RecordingFileSystem recorded(disk);
  FileSystem& files = traceFile.empty() ? static_cast<FileSystem&>(disk) : recorded;
  Win32Clock clock;
  WindowWalkHost host;
  WalkPacer pacer(clock, host);
  Shredder shredder(files, pacer, writeBytes);

  const DWORD start = GetTickCount();
  const std::string& command = args[0];
  if (command == "shred") {
    for (std::size_t i = 1; i < args.size(); ++i) shredder.ShredFile(args[i]);
  } else if (command == "killfiles") {
    shredder.KillFiles(args[1]);
  } else if (command == "killtemp") {
    MemoryRegistry registry;
    FakeUrlCache cache;
    FakeUrlHistoryStore history;
    RecordingShellCleaning shell;
    PrivacyCleaner cleaner({files, registry, cache, history, shell, clock, host},
                           CleanerFolders{.temp = args[1]});
    cleaner.KillTemp();
  } else {
    std::fprintf(stderr, "unknown command: %s\n", command.c_str());
    return 2;
  }
  std::printf("elapsed_ms=%lu\n", static_cast<unsigned long>(GetTickCount() - start));
  if (!traceFile.empty()) WriteTrace(recorded, traceFile);
  return 0;
}

}  // namespace
}  // namespace dusk

int main() { return dusk::Run(dusk::Arguments()); }
