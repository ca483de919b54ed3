// Stands in front of the guarded commands: when password protection is on, the
// password prompt opens with the pending command and, once the right password is
// given, carries the command out itself.
#pragma once
#include <functional>

namespace dusk {

enum class PendingCommand { MainForm, Add, Delete, DeleteAll, FrmRestart, Exit };

// The word the prompt keeps for each pending command.
const char* PendingCommandWord(PendingCommand command);

class PasswordGate {
 public:
  virtual ~PasswordGate() = default;
  // Runs `proceed` now when no password is needed, otherwise after the prompt
  // has accepted the password (or never, when the user gives up).
  virtual void Guard(PendingCommand command, std::function<void()> proceed) = 0;
  // Whether "Enable password protection" is ticked on the password page right now,
  // saved or not (the toolbar page's save looks at it).
  virtual bool ProtectionBoxTicked() const { return false; }
};

}  // namespace dusk
