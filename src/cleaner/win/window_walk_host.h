// The walks' hold on the program's windows: pending messages are let run in the middle
// of a long walk, and the pointer shows the hourglass while the temporary folder empties.
#pragma once
#include "cleaner/walk_host.h"

namespace dusk {

class WindowWalkHost : public WalkHost {
 public:
  // Dispatches every message waiting in the thread's queue, timers and painting
  // included. A quit request stops it and stays queued for the message loop.
  void PumpMessages() override;
  void SetBusyCursor(bool busy) override;
};

}  // namespace dusk
