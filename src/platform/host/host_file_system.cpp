#include "platform/host/host_file_system.h"

// The Windows builds compile this folder too; there the Win32 service does this job.
#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dusk {
namespace {

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::uint32_t AttributesOf(const struct stat& st, const std::string& name, const std::string& path) {
  std::uint32_t attributes = 0;
  if (S_ISLNK(st.st_mode)) {
    attributes |= fileattr::Link;
    struct stat target;
    if (stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) attributes |= fileattr::Folder;
  } else if (S_ISDIR(st.st_mode)) {
    attributes |= fileattr::Folder;
  }
  if (!(st.st_mode & S_IWUSR)) attributes |= fileattr::ReadOnly;
  if (!name.empty() && name[0] == '.') attributes |= fileattr::Hidden;
  return attributes ? attributes : fileattr::Normal;
}

FileFacts FactsOf(const struct stat& st, const std::string& path) {
  FileFacts facts;
  facts.attributes = AttributesOf(st, NameOf(path), path);
  facts.size = static_cast<std::uint64_t>(st.st_size);
  facts.linkCount = static_cast<std::uint32_t>(st.st_nlink);
  return facts;
}

class HostOpenedFile : public OpenedFile {
 public:
  HostOpenedFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~HostOpenedFile() override { close(fd_); }
  HostOpenedFile(const HostOpenedFile&) = delete;
  HostOpenedFile& operator=(const HostOpenedFile&) = delete;

  FileFacts Facts() override {
    struct stat st;
    if (fstat(fd_, &st) != 0) return FileFacts{};
    return FactsOf(st, path_);
  }

  bool WriteAt(std::uint64_t offset, const char* data, std::size_t size) override {
    while (size > 0) {
      const ssize_t written = pwrite(fd_, data, size, static_cast<off_t>(offset));
      if (written <= 0) return false;
      offset += static_cast<std::uint64_t>(written);
      data += written;
      size -= static_cast<std::size_t>(written);
    }
    return true;
  }

  bool Flush() override { return fdatasync(fd_) == 0; }

 private:
  int fd_;
  std::string path_;
};

}  // namespace

std::optional<std::vector<FolderEntry>> HostFileSystem::ListFolder(const std::string& folder) {
  struct stat self;
  if (folder.empty() || stat(folder.c_str(), &self) != 0) return std::nullopt;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return std::nullopt;
  std::vector<FolderEntry> entries;
  const std::string base = folder.back() == '/' ? folder : folder + "/";
  while (dirent* item = readdir(dir)) {
    const std::string name = item->d_name;
    if (name == "." || name == "..") continue;
    FolderEntry entry;
    entry.name = name;
    entry.path = base + name;
    struct stat st;
    if (lstat(entry.path.c_str(), &st) != 0) continue;
    entry.attributes = AttributesOf(st, name, entry.path);
    // A folder on another device is a mount point: a way out of this folder.
    if (S_ISDIR(st.st_mode) && st.st_dev != self.st_dev) entry.attributes |= fileattr::Link;
    entries.push_back(std::move(entry));
  }
  closedir(dir);
  return entries;
}

std::optional<FileFacts> HostFileSystem::Inspect(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return std::nullopt;
  return FactsOf(st, path);
}

std::unique_ptr<OpenedFile> HostFileSystem::OpenForOverwrite(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return nullptr;
  return std::make_unique<HostOpenedFile>(fd, path);
}

bool HostFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) return false;  // chmod would follow it
  mode_t mode = st.st_mode & 07777;
  mode = (attributes & fileattr::ReadOnly) ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
  return chmod(path.c_str(), mode) == 0;
}

bool HostFileSystem::RemoveFile(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return unlink(path.c_str()) == 0;
}

bool HostFileSystem::RemoveFolder(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return false;
  if (S_ISLNK(st.st_mode)) return unlink(path.c_str()) == 0;
  return rmdir(path.c_str()) == 0;
}

}  // namespace dusk
#endif
