// Stand-ins for the cleaner until it is built: the task table runs nothing and the
// tray's cleaning commands do nothing.
#pragma once
#include "cleaner/cleaning_commands.h"
#include "cleaner/cleanup_runner.h"

namespace dusk {

class NoCleanupTasks : public CleanupRunner {
 public:
  void RunCleanupTasks() override {}
};

class NoCleaningCommands : public CleaningCommands {
 public:
  void Run(CleaningCommand) override {}
};

}  // namespace dusk
