// An event log that keeps its entries in memory.
#pragma once
#include <string>
#include <vector>

#include "platform/event_log.h"

namespace dusk {

class RecordingEventLog : public EventLog {
 public:
  void WriteError(const std::string& text) override { errors_.push_back(text); }
  const std::vector<std::string>& errors() const { return errors_; }

 private:
  std::vector<std::string> errors_;
};

}  // namespace dusk
