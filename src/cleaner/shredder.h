// Overwrites files with "#" eleven times before deleting them, and empties folders.
// The walks never leave the folder they are given: a link found inside is removed as
// a link, and a file whose contents have other names as well loses only this name.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "cleaner/walk_host.h"
#include "platform/file_system.h"

namespace dusk {

inline constexpr std::uint64_t kShredBlockBytes = 8192;
inline constexpr int kShredPasses = 11;

// Whole blocks in `length`, rounded to the nearest, halves to the even neighbour.
std::uint64_t ShredBlockCount(std::uint64_t length);
// Bytes every pass writes from the start of the file: one block more than the count,
// which covers the old contents and at least 4,096 bytes beyond.
std::uint64_t ShredRegionBytes(std::uint64_t length);

class Shredder {
 public:
  // Bytes handed to the system per write; what reaches the disk does not depend on it.
  static constexpr std::size_t kDefaultWriteBytes = 1024 * 1024;
  Shredder(FileSystem& files, WalkPacer& pacer, std::size_t writeBytes = kDefaultWriteBytes);

  // Each pass is flushed to the disk before the next begins; the name is kept and the
  // file never truncated until the delete. A file that cannot be written is left as it
  // is (its delete is still tried). A long pass is flushed in pieces as well, sized by
  // the disk's measured speed, so that no flush keeps the windows waiting long.
  void ShredFile(const std::string& path);
  // Shreds the files of the folder and of every folder below it; folders stay.
  void KillFiles(const std::string& folder);
  // Removes every sub-folder of the folder with whatever is still inside it.
  void RemoveSubFolders(const std::string& folder);

 private:
  void Overwrite(OpenedFile& file, std::uint64_t length);
  void Flush(OpenedFile& file, std::uint64_t bytes);
  void RemoveName(const std::string& path, const FileFacts& facts);
  void RemoveLink(const FolderEntry& link);
  void RemoveTree(const FolderEntry& top);

  FileSystem& files_;
  WalkPacer& pacer_;
  std::string pattern_;
  std::uint64_t flushBytes_;  // written between two flushes inside a long pass
};

}  // namespace dusk
