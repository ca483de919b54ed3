// What the cleaner's file tests need from the side they run on: the platform's real
// file-system service over a scratch folder made for each test, and the means to set
// up files the way a user's disk has them. Linux and Wine must pass the same tests.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace dusk::testing {

class CleanerFilesEnv {
 public:
  virtual ~CleanerFilesEnv() = default;
  virtual FileSystem& files() = 0;
  // Empty at the start of the test, removed with everything in it afterwards.
  virtual std::string root() = 0;
  virtual std::string Join(const std::string& folder, const std::string& name) = 0;
  virtual void MakeFolder(const std::string& path) = 0;
  virtual void Write(const std::string& path, const std::string& bytes) = 0;
  virtual std::optional<std::string> Read(const std::string& path) = 0;  // empty when missing
  virtual bool Exists(const std::string& path) = 0;
  // Read-only and, where the platform has the mark, hidden.
  virtual void MarkReadOnlyHidden(const std::string& path) = 0;
  virtual bool MakeHardLink(const std::string& existing, const std::string& link) = 0;
  // False where the platform lets no test make a link to a folder.
  virtual bool MakeFolderLink(const std::string& target, const std::string& link) = 0;
};

std::unique_ptr<CleanerFilesEnv> MakeCleanerFilesEnv();

}  // namespace dusk::testing
