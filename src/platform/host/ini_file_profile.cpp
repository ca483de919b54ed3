#include "platform/host/ini_file_profile.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/text_compare.h"

namespace dusk {
namespace {

std::string Trim(const std::string& s) {
  const char* blanks = " \t\r";
  size_t b = s.find_first_not_of(blanks);
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(blanks);
  return s.substr(b, e - b + 1);
}

// Callers build Windows paths; on the host a backslash separates folders too.
std::string HostPath(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::ifstream in(HostPath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::optional<std::string> SectionName(const std::string& line) {
  std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  size_t close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

struct KeyLine {
  std::string key;
  std::string value;
};

std::optional<KeyLine> ParseKeyLine(const std::string& line) {
  size_t eq = line.find('=');
  if (eq == std::string::npos) return std::nullopt;
  return KeyLine{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

std::string StripQuotes(const std::string& v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

// Index of the first line of the named section's body and one past its end.
struct SectionSpan {
  size_t header;
  size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<std::string>& lines,
                                       const std::string& section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    std::optional<std::string> name = SectionName(lines[i]);
    if (!name || !EqualsNoCase(*name, section)) continue;
    size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> FindKey(const std::vector<std::string>& lines, const SectionSpan& span,
                              const std::string& key) {
  for (size_t i = span.header + 1; i < span.end; ++i) {
    std::optional<KeyLine> kl = ParseKeyLine(lines[i]);
    if (kl && EqualsNoCase(kl->key, key)) return i;
  }
  return std::nullopt;
}

}  // namespace

std::string IniFileProfile::GetString(const std::string& section, const std::string& key,
                                      const std::string& fallback, std::size_t bufferChars,
                                      const std::string& filePath) {
  std::string result = fallback;
  if (std::optional<std::vector<std::string>> lines = ReadLines(filePath)) {
    if (std::optional<SectionSpan> span = FindSection(*lines, section)) {
      if (std::optional<size_t> at = FindKey(*lines, *span, key))
        result = StripQuotes(ParseKeyLine((*lines)[*at])->value);
    }
  }
  if (bufferChars == 0) return "";
  if (result.size() > bufferChars - 1) result.resize(bufferChars - 1);
  return result;
}

bool IniFileProfile::WriteString(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& filePath) {
  std::vector<std::string> lines = ReadLines(filePath).value_or(std::vector<std::string>{});
  std::optional<SectionSpan> span = FindSection(lines, section);
  if (!span) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
    lines.push_back("[" + section + "]");
    lines.push_back(key + "=" + value);
  } else if (std::optional<size_t> at = FindKey(lines, *span, key)) {
    lines[*at] = ParseKeyLine(lines[*at])->key + "=" + value;
  } else {
    // After the section's last non-blank line, as Windows places a new key.
    size_t insertAt = span->end;
    while (insertAt > span->header + 1 && Trim(lines[insertAt - 1]).empty()) --insertAt;
    lines.insert(lines.begin() + static_cast<long>(insertAt), key + "=" + value);
  }
  std::ostringstream out;
  for (const std::string& l : lines) out << l << "\r\n";
  std::ofstream file(HostPath(filePath), std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file << out.str();
  return static_cast<bool>(file);
}

}  // namespace dusk
