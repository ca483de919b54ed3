// Shell calls that carry out nothing: each is recorded as a line of text. Never
// empties a real recycle bin.
#pragma once
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/shell_cleaning.h"

namespace dusk {

class RecordingShellCleaning : public ShellCleaning {
 public:
  std::set<std::string> missing;  // commands that fail to start
  std::vector<std::string> calls;  // "empty recycle bin 7", "clear recent documents", "start <command>"
  // Called with each recorded line as well (the e2e program appends them to a file).
  std::function<void(const std::string&)> sink;

  void EmptyRecycleBin(std::uint32_t flags) override { Record("empty recycle bin " + std::to_string(flags)); }
  void ClearRecentDocuments() override { Record("clear recent documents"); }
  bool StartHidden(const std::string& command) override {
    Record("start " + command);
    return missing.count(command) == 0;
  }

 private:
  void Record(const std::string& line) {
    calls.push_back(line);
    if (sink) sink(line);
  }
};

}  // namespace dusk
