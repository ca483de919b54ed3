// Error entries in the system's application event log, under the program's title.
#pragma once
#include "platform/event_log.h"

namespace dusk {

class Win32EventLog : public EventLog {
 public:
  void WriteError(const std::string& text) override;
};

}  // namespace dusk
