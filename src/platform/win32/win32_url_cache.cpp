#include "platform/win32/win32_url_cache.h"

#include <wininet.h>

#include "platform/win32/wide_text.h"

namespace dusk {
namespace {

// The fixed part of an entry the program reads: size, the two texts' pointers, type.
constexpr DWORD kLeastEntrySize = 48;
constexpr int kMostFetches = 8;  // an entry that keeps growing is given up on

std::string Text(const char* text) { return text ? Utf8FromAnsi(text) : std::string(); }

}  // namespace

std::optional<UrlCacheEntry> FetchCacheEntry(const CacheEntryCall& call) {
  DWORD size = 0;
  if (call(nullptr, &size) || size < kLeastEntrySize) return std::nullopt;
  std::vector<DWORD> buffer;  // DWORDs keep the entry aligned
  for (int attempt = 0; attempt < kMostFetches; ++attempt) {
    buffer.assign((size + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
    auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    info->dwStructSize = size;
    DWORD granted = size;
    if (call(info, &granted)) {
      return UrlCacheEntry{Text(info->lpszSourceUrlName), Text(info->lpszLocalFileName), info->CacheEntryType};
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || granted <= size) return std::nullopt;
    size = granted;
  }
  return std::nullopt;
}

std::optional<UrlCacheEntry> Win32UrlCache::FirstEntry() {
  CloseWalk();
  HANDLE opened = nullptr;
  std::optional<UrlCacheEntry> entry = FetchCacheEntry([&opened](void* buffer, DWORD* size) {
    HANDLE h = FindFirstUrlCacheEntryA(nullptr, static_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer), size);
    if (!h) return false;
    opened = h;
    return true;
  });
  walk_ = opened;
  if (!entry) CloseWalk();
  return entry;
}

std::optional<UrlCacheEntry> Win32UrlCache::NextEntry() {
  if (!walk_) return std::nullopt;
  return FetchCacheEntry([this](void* buffer, DWORD* size) {
    return FindNextUrlCacheEntryA(walk_, static_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer), size) != 0;
  });
}

void Win32UrlCache::CloseWalk() {
  if (walk_) FindCloseUrlCache(walk_);
  walk_ = nullptr;
}

bool Win32UrlCache::DeleteEntry(const std::string& sourceUrl) {
  return DeleteUrlCacheEntryA(AnsiFromUtf8(sourceUrl).c_str()) != 0;
}

}  // namespace dusk
