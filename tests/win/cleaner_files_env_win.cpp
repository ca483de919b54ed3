// The cleaner's file tests under Wine: the wide-character file-system service over a
// folder of the throwaway prefix's own temporary folder.
#include <windows.h>

#include "contract/cleaner_files_env.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"

namespace dusk::testing {
namespace {

std::wstring W(const std::string& path) { return WideFromUtf8(path); }

// Removes a test's folder without ever following a link inside it.
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      const DWORD attributes = found.dwFileAttributes;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        RemoveDirectoryW(path.c_str());
      else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(folder.c_str());
}

using CreateSymbolicLinkFn = BOOLEAN(WINAPI*)(LPCWSTR, LPCWSTR, DWORD);

class WinCleanerFilesEnv : public CleanerFilesEnv {
 public:
  WinCleanerFilesEnv() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    root_ = Utf8FromWide(temp) + "dusklatch-cleaner-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(counter_++);
    RemoveTree(W(root_));
    CreateDirectoryW(W(root_).c_str(), nullptr);
  }
  ~WinCleanerFilesEnv() override { RemoveTree(W(root_)); }

  FileSystem& files() override { return files_; }
  std::string root() override { return root_; }
  std::string Join(const std::string& folder, const std::string& name) override { return folder + "\\" + name; }
  void MakeFolder(const std::string& path) override { CreateDirectoryW(W(path).c_str(), nullptr); }
  void Write(const std::string& path, const std::string& bytes) override {
    HANDLE h = CreateFileW(W(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
  }
  std::optional<std::string> Read(const std::string& path) override {
    HANDLE h = CreateFileW(W(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(GetFileSize(h, nullptr), '\0');
    DWORD read = 0;
    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(h);
    bytes.resize(read);
    return bytes;
  }
  bool Exists(const std::string& path) override {
    return GetFileAttributesW(W(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  void MarkReadOnlyHidden(const std::string& path) override {
    const DWORD attributes = GetFileAttributesW(W(path).c_str());
    SetFileAttributesW(W(path).c_str(), attributes | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  }
  bool MakeHardLink(const std::string& existing, const std::string& link) override {
    return CreateHardLinkW(W(link).c_str(), W(existing).c_str(), nullptr) != 0;
  }
  // Windows Vista and later make symbolic links; only one that the listing shows as a
  // link is kept.
  bool MakeFolderLink(const std::string& target, const std::string& link) override {
    auto create = reinterpret_cast<CreateSymbolicLinkFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "CreateSymbolicLinkW")));
    if (!create || !create(W(link).c_str(), W(target).c_str(), 1 /* a folder */)) return false;
    const DWORD attributes = GetFileAttributesW(W(link).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
    RemoveDirectoryW(W(link).c_str());
    return false;
  }

 private:
  static inline int counter_ = 0;
  std::string root_;
  Win32FileSystem files_;
};

}  // namespace

std::unique_ptr<CleanerFilesEnv> MakeCleanerFilesEnv() { return std::make_unique<WinCleanerFilesEnv>(); }

}  // namespace dusk::testing
