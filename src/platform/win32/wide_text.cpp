#include "platform/win32/wide_text.h"

#include <windows.h>

namespace dusk {
namespace {

std::wstring Widen(UINT codePage, const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr,
                        nullptr);
  return text;
}

}  // namespace

std::wstring WideFromUtf8(const std::string& utf8) { return Widen(CP_UTF8, utf8); }
std::string Utf8FromWide(const wchar_t* wide) { return wide ? Narrow(CP_UTF8, wide) : std::string(); }
std::string Utf8FromAnsi(const std::string& ansi) { return Narrow(CP_UTF8, Widen(CP_ACP, ansi)); }
std::string AnsiFromUtf8(const std::string& utf8) { return Narrow(CP_ACP, Widen(CP_UTF8, utf8)); }

}  // namespace dusk
