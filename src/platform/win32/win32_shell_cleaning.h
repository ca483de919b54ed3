// The shell calls of the cleaner on the real shell.
#pragma once
#include <windows.h>

#include <functional>

#include "platform/shell_cleaning.h"

namespace dusk {

class Win32ShellCleaning : public ShellCleaning {
 public:
  // `owner` names the window that owns the recycle bin's request when it is made.
  explicit Win32ShellCleaning(std::function<HWND()> owner) : owner_(std::move(owner)) {}

  void EmptyRecycleBin(std::uint32_t flags) override;
  void ClearRecentDocuments() override;
  bool StartHidden(const std::string& command) override;

 private:
  std::function<HWND()> owner_;
};

}  // namespace dusk
