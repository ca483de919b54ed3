// The file-system service on a real Linux folder, so that the cleaner's walks and
// its overwriting run natively in the host tests. Attributes are mapped: no write
// permission is read-only, a leading dot is hidden, a symbolic link or a folder on
// another device (a mount point) is a link. Linux only.
#pragma once
#include "platform/file_system.h"

namespace dusk {

class HostFileSystem : public FileSystem {
 public:
  std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) override;
  std::optional<FileFacts> Inspect(const std::string& path) override;
  std::unique_ptr<OpenedFile> OpenForOverwrite(const std::string& path) override;
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
  bool RemoveFile(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
};

}  // namespace dusk
