// The schedule rows of the program: system.vvc in the program's folder.
#include <windows.h>

#include "schedule/schedule_store_rows.h"
#include "schedule/win/schedule_part.h"

namespace dusk {
namespace {

// The folder comes in the system's ANSI code page; the database wants UTF-8.
std::string Utf8FromAnsi(const std::string& text) {
  if (text.empty()) return text;
  int wide = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (wide <= 0) return text;
  std::wstring w(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, w.data(), wide);
  int narrow = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (narrow <= 0) return text;
  std::string utf8(static_cast<std::size_t>(narrow), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, utf8.data(), narrow, nullptr, nullptr);
  utf8.resize(static_cast<std::size_t>(narrow) - 1);  // the terminating zero
  return utf8;
}

}  // namespace

std::unique_ptr<ScheduleRows> OpenScheduleFile(const std::string& dataFolder) {
  return std::make_unique<ScheduleStoreRows>(Utf8FromAnsi(ScheduleFilePath(dataFolder)));
}

}  // namespace dusk
