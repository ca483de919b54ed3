#include "cleaner/shredder.h"

#include <algorithm>
#include <vector>

namespace dusk {
namespace {

// Contents that belong to this name alone: not a link, no other hard link.
bool OwnContents(const FileFacts& facts) { return !facts.isLink() && facts.linkCount <= 1; }

constexpr std::uint32_t kKeptMarks = fileattr::Hidden | fileattr::System | fileattr::Archive;

// A flush inside a pass aims at this long, well within the pacing of the messages.
constexpr std::uint64_t kFlushTargetMs = 20;
constexpr std::uint64_t kLeastFlushBytes = 1 << 20;
constexpr std::uint64_t kMostFlushBytes = 256 << 20;
constexpr std::uint64_t kFirstFlushBytes = 2 << 20;

}  // namespace

std::uint64_t ShredBlockCount(std::uint64_t length) {
  const std::uint64_t whole = length / kShredBlockBytes;
  const std::uint64_t rest = length % kShredBlockBytes;
  const std::uint64_t half = kShredBlockBytes / 2;
  if (rest > half || (rest == half && whole % 2 == 1)) return whole + 1;
  return whole;
}

std::uint64_t ShredRegionBytes(std::uint64_t length) {
  return (ShredBlockCount(length) + 1) * kShredBlockBytes;
}

Shredder::Shredder(FileSystem& files, WalkPacer& pacer, std::size_t writeBytes)
    : files_(files),
      pacer_(pacer),
      pattern_(std::max<std::size_t>(writeBytes, 1), '#'),
      flushBytes_(kFirstFlushBytes) {}

void Shredder::ShredFile(const std::string& path) {
  std::unique_ptr<OpenedFile> file = files_.OpenForOverwrite(path);
  if (!file) {
    // Refused: a folder, a link, a read-only file or one in use. Only the read-only
    // file gets a second try, once its attributes are cleared.
    const std::optional<FileFacts> found = files_.Inspect(path);
    if (found && found->isFolder() && !found->isLink()) return;
    if (found && !OwnContents(*found)) {
      RemoveName(path, *found);
      return;
    }
    if (found) files_.SetAttributes(path, fileattr::Normal);
    file = files_.OpenForOverwrite(path);
  }
  if (file) {
    // Asked of the open file itself, never of a link's target.
    const FileFacts opened = file->Facts();
    if (!OwnContents(opened)) {
      file.reset();
      RemoveName(path, opened);
      return;
    }
    if (!opened.isFolder()) Overwrite(*file, opened.size);
    file.reset();
  }
  pacer_.Tick();
  // Some systems let a read-only file be written (by an administrator) but not deleted.
  if (!files_.RemoveFile(path) && files_.SetAttributes(path, fileattr::Normal)) files_.RemoveFile(path);
}

void Shredder::Overwrite(OpenedFile& file, std::uint64_t length) {
  const std::uint64_t region = ShredRegionBytes(length);
  for (int pass = 0; pass < kShredPasses; ++pass) {
    std::uint64_t unflushed = 0;
    for (std::uint64_t offset = 0; offset < region;) {
      const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(pattern_.size(), region - offset));
      file.WriteAt(offset, pattern_.data(), size);
      offset += size;
      unflushed += size;
      pacer_.Tick();
      if (unflushed >= flushBytes_ && offset < region) {
        Flush(file, unflushed);
        unflushed = 0;
      }
    }
    // Without this the system may keep every pass in its cache and drop them all at
    // the delete, and the old contents would never be overwritten on the disk.
    Flush(file, unflushed);
  }
}

void Shredder::Flush(OpenedFile& file, std::uint64_t bytes) {
  const std::uint64_t start = pacer_.clock().SteadyMilliseconds();
  file.Flush();
  const std::uint64_t ms = pacer_.clock().SteadyMilliseconds() - start;
  pacer_.Tick();
  if (bytes < kLeastFlushBytes) return;  // too little to tell the disk's speed by
  const std::uint64_t next = ms == 0 ? bytes * 2 : bytes * kFlushTargetMs / ms;
  flushBytes_ = std::clamp(next, kLeastFlushBytes, kMostFlushBytes);
}

void Shredder::RemoveName(const std::string& path, const FileFacts& facts) {
  if (facts.isLink() && facts.isFolder()) {
    files_.RemoveFolder(path);
    return;
  }
  if (files_.RemoveFile(path) || !(facts.attributes & fileattr::ReadOnly)) return;
  // The attributes belong to the contents, so the other names keep every mark but this one.
  const std::uint32_t kept = facts.attributes & kKeptMarks;
  files_.SetAttributes(path, kept ? kept : fileattr::Normal);
  files_.RemoveFile(path);
}

void Shredder::RemoveLink(const FolderEntry& link) {
  if (link.isFolder())
    files_.RemoveFolder(link.path);
  else
    files_.RemoveFile(link.path);
}

// Depth first in listed order, as a recursion would go, but on a list of its own: a
// tree nested thousands deep must not run the thread out of stack.
void Shredder::KillFiles(const std::string& folder) {
  std::vector<FolderEntry> pending{FolderEntry{"", folder, fileattr::Folder}};
  while (!pending.empty()) {
    const FolderEntry next = std::move(pending.back());
    pending.pop_back();
    if (next.isLink()) {
      RemoveLink(next);
      continue;
    }
    const auto entries = files_.ListFolder(next.path);
    if (!entries) continue;
    for (const FolderEntry& entry : *entries) {
      if (entry.isFolder()) continue;
      if (entry.isLink())
        RemoveLink(entry);
      else
        ShredFile(entry.path);
      pacer_.Tick();
    }
    for (auto it = entries->rbegin(); it != entries->rend(); ++it)
      if (it->isFolder()) pending.push_back(*it);
  }
}

void Shredder::RemoveSubFolders(const std::string& folder) {
  const auto entries = files_.ListFolder(folder);
  if (!entries) return;
  for (const FolderEntry& entry : *entries) {
    if (!entry.isFolder()) continue;
    if (entry.isLink())
      RemoveLink(entry);
    else
      RemoveTree(entry);
  }
}

// Empties every folder of the tree, top down, then removes them bottom up: each folder
// stands in the list after the one that holds it.
void Shredder::RemoveTree(const FolderEntry& top) {
  std::vector<FolderEntry> folders{top};
  for (std::size_t i = 0; i < folders.size(); ++i) {
    const auto entries = files_.ListFolder(folders[i].path);
    if (!entries) continue;
    for (const FolderEntry& entry : *entries) {
      if (entry.isLink()) {
        RemoveLink(entry);
      } else if (entry.isFolder()) {
        folders.push_back(entry);
      } else {
        if (entry.attributes & fileattr::ReadOnly) files_.SetAttributes(entry.path, fileattr::Normal);
        files_.RemoveFile(entry.path);
      }
      pacer_.Tick();
    }
  }
  for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
    if (it->attributes & fileattr::ReadOnly) files_.SetAttributes(it->path, fileattr::Normal);
    files_.RemoveFolder(it->path);
  }
}

}  // namespace dusk
