// The cleaner's file tests on Linux: the host file-system service over a folder in
// the system's temporary folder.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "contract/cleaner_files_env.h"
#include "platform/host/host_file_system.h"

namespace dusk::testing {
namespace {

namespace fs = std::filesystem;

class HostCleanerFilesEnv : public CleanerFilesEnv {
 public:
  HostCleanerFilesEnv() {
    root_ = fs::temp_directory_path() /
            ("dusklatch-cleaner-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    RemoveAll();
    fs::create_directories(root_);
  }
  ~HostCleanerFilesEnv() override { RemoveAll(); }

  FileSystem& files() override { return files_; }
  std::string root() override { return root_.string(); }
  std::string Join(const std::string& folder, const std::string& name) override {
    return (fs::path(folder) / name).string();
  }
  void MakeFolder(const std::string& path) override { fs::create_directories(path); }
  void Write(const std::string& path, const std::string& bytes) override {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::optional<std::string> Read(const std::string& path) override {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  bool Exists(const std::string& path) override {
    return fs::exists(fs::symlink_status(path));
  }
  void MarkReadOnlyHidden(const std::string& path) override {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }
  bool MakeHardLink(const std::string& existing, const std::string& link) override {
    std::error_code failed;
    fs::create_hard_link(existing, link, failed);
    return !failed;
  }
  bool MakeFolderLink(const std::string& target, const std::string& link) override {
    std::error_code failed;
    fs::create_directory_symlink(target, link, failed);
    return !failed;
  }

 private:
  // Folders made read-only by a test are opened up first; links are removed, not followed.
  void RemoveAll() {
    std::error_code ignored;
    if (!fs::exists(root_, ignored)) return;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto it = fs::recursive_directory_iterator(root_, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored))
      if (!it->is_symlink(ignored)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
  }

  static inline int counter_ = 0;
  fs::path root_;
  HostFileSystem files_;
};

}  // namespace

std::unique_ptr<CleanerFilesEnv> MakeCleanerFilesEnv() { return std::make_unique<HostCleanerFilesEnv>(); }

}  // namespace dusk::testing
