// The common open-file dialog, owned by a window.
#pragma once
#include <windows.h>

#include "platform/file_dialog.h"

namespace dusk {

class Win32FileDialog : public FileDialog {
 public:
  explicit Win32FileDialog(HWND owner) : owner_(owner) {}
  std::optional<std::string> ChooseFileToOpen(const std::string& filter) override;

 private:
  HWND owner_;
};

}  // namespace dusk
