#include "app/win/program_cleaner.h"

#include "app/win/shell_services.h"
#include "cleaner/win/win32_cleaner.h"

namespace dusk {

ProgramCleaner::ProgramCleaner(ShellServices& shell, ShellCleaning& shellCleaning)
    : shell_(shell), shellCleaning_(shellCleaning), cleaning_(*this, page_, *this) {}

ProgramCleaner::~ProgramCleaner() = default;

void ProgramCleaner::Start() {
  if (cleaner_) return;
  platform_ = std::make_unique<Win32CleanerPlatform>();
  CleanerServices services{platform_->files, shell_.UserRegistry(), platform_->cache, platform_->history,
                           shellCleaning_,   shell_.WallClock(),    platform_->host};
  cleaner_ = std::make_unique<PrivacyCleaner>(services, CurrentUserCleanerFolders());
  cleaner_->FindCacheEntries();
  steps_ = std::make_unique<PrivacyCleanerSteps>(*cleaner_, shell_.UserRegistry(), shellCleaning_);
}

PrivacyCleanerSteps& ProgramCleaner::Steps() {
  Start();
  return *steps_;
}

Dialogs& ProgramCleaner::Messages() { return shell_.Messages(); }
void ProgramCleaner::ShowWorkingWindow() { shell_.ShowWorkingWindow(); }
void ProgramCleaner::HideWorkingWindow() { shell_.HideWorkingWindow(); }

void ProgramCleaner::RunQueuedLater() {
  if (HWND main = shell_.MainWindow()) PostMessageA(main, kRunQueuedMessage, 0, 0);
}

}  // namespace dusk
