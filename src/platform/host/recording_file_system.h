// A file-system service that passes every call on to another one and records what
// changes files: opens, writes, flushes, closes, attribute changes and removals.
// Tests can keep writes from the disk, keep a file after its delete to look at it, and
// mark files as held open by another program.
#pragma once
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace dusk {

struct FileEvent {
  enum Kind { Open, Write, Flush, Close, SetAttributes, RemoveFile, RemoveFolder };
  Kind kind;
  std::string path;
  std::uint64_t offset = 0;     // Write
  std::uint64_t size = 0;       // Write
  std::uint32_t attributes = 0;  // SetAttributes
  bool ok = true;
};

// One overwrite pass as the recording shows it: from a write at offset 0 up to the next
// such write or the close.
struct OverwritePass {
  std::uint64_t bytes = 0;  // covered from offset 0
  bool gapless = true;      // every write began where the one before ended
  bool flushed = false;     // a flush came after its last write
};

class RecordingFileSystem : public FileSystem {
 public:
  explicit RecordingFileSystem(FileSystem& inner) : inner_(inner) {}

  bool passWrites = true;             // false: writes and flushes are only recorded
  std::set<std::string> inUse;   // paths another program holds open: they neither open nor go
  std::set<std::string> keep;    // paths whose removal is recorded but not carried out

  const std::vector<FileEvent>& events() const { return events_; }
  std::vector<FileEvent> EventsFor(const std::string& path) const;
  std::vector<OverwritePass> PassesOf(const std::string& path) const;
  void Record(FileEvent event) { events_.push_back(std::move(event)); }

  std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) override;
  std::optional<FileFacts> Inspect(const std::string& path) override;
  std::unique_ptr<OpenedFile> OpenForOverwrite(const std::string& path) override;
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
  bool RemoveFile(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;

 private:
  FileSystem& inner_;
  std::vector<FileEvent> events_;
};

}  // namespace dusk
