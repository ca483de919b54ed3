#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace dusk {
namespace {

FileFacts FactsOf(const BY_HANDLE_FILE_INFORMATION& info) {
  FileFacts facts;
  facts.attributes = info.dwFileAttributes;
  facts.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  facts.linkCount = info.nNumberOfLinks;
  return facts;
}

class Win32OpenedFile : public OpenedFile {
 public:
  explicit Win32OpenedFile(HANDLE handle) : handle_(handle) {}
  ~Win32OpenedFile() override { CloseHandle(handle_); }
  Win32OpenedFile(const Win32OpenedFile&) = delete;
  Win32OpenedFile& operator=(const Win32OpenedFile&) = delete;

  FileFacts Facts() override {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle_, &info)) return FileFacts{};
    return FactsOf(info);
  }

  bool WriteAt(std::uint64_t offset, const char* data, std::size_t size) override {
    while (size > 0) {
      OVERLAPPED at{};
      at.Offset = static_cast<DWORD>(offset);
      at.OffsetHigh = static_cast<DWORD>(offset >> 32);
      DWORD written = 0;
      if (!WriteFile(handle_, data, static_cast<DWORD>(size), &written, &at) || written == 0) return false;
      offset += written;
      data += written;
      size -= written;
    }
    return true;
  }

  bool Flush() override { return FlushFileBuffers(handle_) != 0; }

 private:
  HANDLE handle_;
};

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
  return folder + "\\" + name;
}

}  // namespace

std::wstring WidePath(const std::string& path) {
  std::wstring wide = WideFromUtf8(path);
  if (wide.size() < MAX_PATH - 12) return wide;  // room for a folder's "\*" or an 8.3 name
  if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') return L"\\\\?\\" + wide;
  if (wide.rfind(L"\\\\", 0) == 0 && wide.rfind(L"\\\\?\\", 0) != 0) return L"\\\\?\\UNC\\" + wide.substr(2);
  return wide;
}

std::optional<std::vector<FolderEntry>> Win32FileSystem::ListFolder(const std::string& folder) {
  if (folder.empty()) return std::nullopt;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(WidePath(JoinPath(folder, "*")).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<FolderEntry> entries;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    FolderEntry entry;
    entry.name = Utf8FromWide(found.cFileName);
    entry.path = JoinPath(folder, entry.name);
    entry.attributes = found.dwFileAttributes;
    entries.push_back(std::move(entry));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

std::optional<FileFacts> Win32FileSystem::Inspect(const std::string& path) {
  const std::wstring wide = WidePath(path);
  // Opening for attributes alone works beside other programs' handles; the flags keep
  // a link from being followed and let a folder be opened as well.
  HANDLE handle = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle != INVALID_HANDLE_VALUE) {
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    if (known) return FactsOf(info);
  }
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  FileFacts facts;
  facts.attributes = data.dwFileAttributes;
  facts.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return facts;
}

std::unique_ptr<OpenedFile> Win32FileSystem::OpenForOverwrite(const std::string& path) {
  // No sharing: a file another program holds open is refused rather than written
  // behind its back.
  HANDLE handle = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, 0, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32OpenedFile>(handle);
}

bool Win32FileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  return SetFileAttributesW(WidePath(path).c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL) != 0;
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
  return DeleteFileW(WidePath(path).c_str()) != 0;
}

bool Win32FileSystem::RemoveFolder(const std::string& path) {
  return RemoveDirectoryW(WidePath(path).c_str()) != 0;
}

}  // namespace dusk
