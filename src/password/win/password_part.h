// The password protection's windows over the services it needs (tests give their own).
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "app/win/startup_seams.h"
#include "platform/dialogs.h"
#include "platform/profile.h"

namespace dusk {

std::unique_ptr<PasswordPart> CreatePasswordPartWith(ProfileApi& profile, std::string settingsFile,
                                                     Dialogs& dialogs, HWND picture6);

}  // namespace dusk
