// Text at the edge of the wide-character calls: the program's UTF-8 on one side,
// UTF-16 (or the system's ANSI code page, for the A calls) on the other.
#pragma once
#include <string>

namespace dusk {

std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const wchar_t* wide);  // null gives the empty text
std::string Utf8FromAnsi(const std::string& ansi);
std::string AnsiFromUtf8(const std::string& utf8);

}  // namespace dusk
