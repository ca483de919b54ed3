// Runs the cleaning tasks the user ticked, right before a timed or scheduled
// power action.
#pragma once

namespace dusk {

class CleanupRunner {
 public:
  virtual ~CleanupRunner() = default;
  virtual void RunCleanupTasks() = 0;
};

}  // namespace dusk
