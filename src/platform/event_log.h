// The application's event log: error entries that outlive the message box.
#pragma once
#include <string>

namespace dusk {

class EventLog {
 public:
  virtual ~EventLog() = default;
  virtual void WriteError(const std::string& text) = 0;
};

}  // namespace dusk
