// Runs the cleaning tasks the user ticked, right before a timed or scheduled
// power action.
#pragma once

namespace dusk {

class CleanupRunner {
 public:
  virtual ~CleanupRunner() = default;
  // Does nothing while Busy(): a caller that must clean before its power action waits
  // (its next timer tick) until the run in progress has ended.
  virtual void RunCleanupTasks() = 0;
  // A cleaning run is in progress further up the stack: its walk lets window messages
  // run, and a second run must not start inside it.
  virtual bool Busy() const { return false; }
};

}  // namespace dusk
