// The file-system service on the wide-character calls, so that every name can be
// reached whatever its script.
#pragma once
#include "platform/file_system.h"

namespace dusk {

class Win32FileSystem : public FileSystem {
 public:
  std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) override;
  std::optional<FileFacts> Inspect(const std::string& path) override;
  std::unique_ptr<OpenedFile> OpenForOverwrite(const std::string& path) override;
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
  bool RemoveFile(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
};

// The path as the wide calls want it: paths too long for the classic limit get the
// "\\?\" form, which lifts it.
std::wstring WidePath(const std::string& path);

}  // namespace dusk
