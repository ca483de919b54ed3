// Writes and removes the file manager menu's registration in the real registry of the
// current user, in the 64-bit view as well on 64-bit Windows.
#pragma once
#include "power/shell_menu_registration.h"

namespace dusk {

// True when this 32-bit program runs on 64-bit Windows (always true for a 64-bit one).
bool WindowsIs64Bit();

// Every value of the plan; a failing write is skipped (the menu then simply does not
// appear). True when all of them were written.
bool WriteShellMenuRegistration(const ShellMenuRegistration& plan);

// Every key of the plan, and the keys above them that hold nothing else.
void RemoveShellMenuRegistration(const ShellMenuRegistration& plan);

}  // namespace dusk
