#include "platform/host/recording_file_system.h"

#include <algorithm>

namespace dusk {
namespace {

class RecordingOpenedFile : public OpenedFile {
 public:
  RecordingOpenedFile(RecordingFileSystem& log, std::unique_ptr<OpenedFile> inner, std::string path)
      : log_(log), inner_(std::move(inner)), path_(std::move(path)) {}
  ~RecordingOpenedFile() override { log_.Record({FileEvent::Close, path_}); }
  RecordingOpenedFile(const RecordingOpenedFile&) = delete;
  RecordingOpenedFile& operator=(const RecordingOpenedFile&) = delete;

  FileFacts Facts() override { return inner_->Facts(); }
  bool WriteAt(std::uint64_t offset, const char* data, std::size_t size) override {
    const bool ok = !log_.passWrites || inner_->WriteAt(offset, data, size);
    log_.Record({FileEvent::Write, path_, offset, size, 0, ok});
    return ok;
  }
  bool Flush() override {
    const bool ok = !log_.passWrites || inner_->Flush();
    log_.Record({FileEvent::Flush, path_, 0, 0, 0, ok});
    return ok;
  }

 private:
  RecordingFileSystem& log_;
  std::unique_ptr<OpenedFile> inner_;
  std::string path_;
};

}  // namespace

std::vector<FileEvent> RecordingFileSystem::EventsFor(const std::string& path) const {
  std::vector<FileEvent> found;
  for (const FileEvent& e : events_)
    if (e.path == path) found.push_back(e);
  return found;
}

std::vector<OverwritePass> RecordingFileSystem::PassesOf(const std::string& path) const {
  std::vector<OverwritePass> passes;
  for (const FileEvent& e : events_) {
    if (e.path != path) continue;
    if (e.kind == FileEvent::Write) {
      if (e.offset == 0 || passes.empty()) passes.emplace_back();
      OverwritePass& pass = passes.back();
      pass.gapless = pass.gapless && e.offset == pass.bytes;
      pass.bytes = std::max(pass.bytes, e.offset + e.size);
      pass.flushed = false;
    } else if (e.kind == FileEvent::Flush && !passes.empty()) {
      passes.back().flushed = true;
    }
  }
  return passes;
}

std::optional<std::vector<FolderEntry>> RecordingFileSystem::ListFolder(const std::string& folder) {
  return inner_.ListFolder(folder);
}

std::optional<FileFacts> RecordingFileSystem::Inspect(const std::string& path) {
  return inner_.Inspect(path);
}

std::unique_ptr<OpenedFile> RecordingFileSystem::OpenForOverwrite(const std::string& path) {
  std::unique_ptr<OpenedFile> opened = inUse.count(path) ? nullptr : inner_.OpenForOverwrite(path);
  Record({FileEvent::Open, path, 0, 0, 0, opened != nullptr});
  if (!opened) return nullptr;
  return std::make_unique<RecordingOpenedFile>(*this, std::move(opened), path);
}

bool RecordingFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  const bool ok = inner_.SetAttributes(path, attributes);
  Record({FileEvent::SetAttributes, path, 0, 0, attributes, ok});
  return ok;
}

bool RecordingFileSystem::RemoveFile(const std::string& path) {
  const bool ok = !inUse.count(path) && (keep.count(path) || inner_.RemoveFile(path));
  Record({FileEvent::RemoveFile, path, 0, 0, 0, ok});
  return ok;
}

bool RecordingFileSystem::RemoveFolder(const std::string& path) {
  const bool ok = inner_.RemoveFolder(path);
  Record({FileEvent::RemoveFolder, path, 0, 0, 0, ok});
  return ok;
}

}  // namespace dusk
