// Stand-ins for the cleaner and the password protection until those are built: the
// task table runs nothing, the tray's cleaning commands do nothing and every guarded
// command goes ahead at once.
#pragma once
#include <functional>

#include "cleaner/cleaning_commands.h"
#include "cleaner/cleanup_runner.h"
#include "password/password_gate.h"

namespace dusk {

class NoCleanupTasks : public CleanupRunner {
 public:
  void RunCleanupTasks() override {}
};

class NoCleaningCommands : public CleaningCommands {
 public:
  void Run(CleaningCommand) override {}
};

class OpenGate : public PasswordGate {
 public:
  void Guard(PendingCommand, std::function<void()> proceed) override { proceed(); }
};

}  // namespace dusk
