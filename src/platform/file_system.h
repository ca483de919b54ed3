// The file calls the cleaner makes: listing a folder, overwriting a file in place,
// and removing names. Paths are UTF-8 text in the platform's own form.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dusk {

// Attribute bits carry the platform's FILE_ATTRIBUTE_* numbers.
namespace fileattr {
inline constexpr std::uint32_t ReadOnly = 0x1;
inline constexpr std::uint32_t Hidden = 0x2;
inline constexpr std::uint32_t System = 0x4;
inline constexpr std::uint32_t Folder = 0x10;
inline constexpr std::uint32_t Archive = 0x20;
inline constexpr std::uint32_t Normal = 0x80;
// A junction, symbolic link or mount point: a name that leads somewhere else.
inline constexpr std::uint32_t Link = 0x400;
}  // namespace fileattr

struct FileFacts {
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  std::uint32_t linkCount = 1;  // how many names the contents have
  bool isFolder() const { return (attributes & fileattr::Folder) != 0; }
  bool isLink() const { return (attributes & fileattr::Link) != 0; }
};

struct FolderEntry {
  std::string name;
  std::string path;  // the folder's path and the name
  std::uint32_t attributes = 0;
  bool isFolder() const { return (attributes & fileattr::Folder) != 0; }
  bool isLink() const { return (attributes & fileattr::Link) != 0; }
};

// A file opened for writing in place; closed when destroyed.
class OpenedFile {
 public:
  virtual ~OpenedFile() = default;
  // What was opened: the file itself, never the target of a link.
  virtual FileFacts Facts() = 0;
  // Writes at a byte offset, extending the file when the offset lies beyond its end.
  virtual bool WriteAt(std::uint64_t offset, const char* data, std::size_t size) = 0;
  // Hands everything written so far to the disk.
  virtual bool Flush() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The entries of a folder in the order the platform lists them, without "." and "..";
  // empty when the folder cannot be listed.
  virtual std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) = 0;
  // What the name itself is (a link reports itself); empty when nothing has that name.
  virtual std::optional<FileFacts> Inspect(const std::string& path) = 0;
  // Opens for writing without truncating, creating a missing file. Never follows a
  // link; fails while another program holds the file open, where the platform says so.
  virtual std::unique_ptr<OpenedFile> OpenForOverwrite(const std::string& path) = 0;
  virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
  // Removes a file's name, or a link to a file (never its target).
  virtual bool RemoveFile(const std::string& path) = 0;
  // Removes an empty folder, or a link to a folder (never its target's contents).
  virtual bool RemoveFolder(const std::string& path) = 0;
};

}  // namespace dusk
