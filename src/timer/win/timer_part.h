// The countdown part with its sound and file dialog chosen by the caller (tests
// pass recording ones); CreateTimerPart of the start-up uses the real ones.
#pragma once
#include <memory>

#include "app/win/startup_seams.h"
#include "platform/file_dialog.h"
#include "platform/sound.h"

namespace dusk {

std::unique_ptr<StartupPart> CreateTimerPart(ShellServices& shell, HWND picture1, HWND picture3,
                                             std::unique_ptr<SoundPlayer> sound,
                                             std::unique_ptr<FileDialog> files);

}  // namespace dusk
