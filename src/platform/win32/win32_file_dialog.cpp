#include "platform/win32/win32_file_dialog.h"

#include <commdlg.h>

#include <vector>

namespace dusk {

std::optional<std::string> Win32FileDialog::ChooseFileToOpen(const std::string& filter) {
  // "a|b|c|d" becomes "a\0b\0c\0d\0\0".
  std::vector<char> pairs(filter.begin(), filter.end());
  for (char& c : pairs)
    if (c == '|') c = '\0';
  pairs.push_back('\0');
  pairs.push_back('\0');

  std::vector<char> file(MAX_PATH * 2, '\0');
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner_;
  ofn.lpstrFilter = pairs.data();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&ofn)) return std::nullopt;
  return std::string(file.data());
}

}  // namespace dusk
