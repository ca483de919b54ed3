// Shell calls that carry out nothing: each is recorded as a line of text. Never
// empties a real recycle bin.
#pragma once
#include <set>
#include <string>
#include <vector>

#include "platform/shell_cleaning.h"

namespace dusk {

class RecordingShellCleaning : public ShellCleaning {
 public:
  std::set<std::string> missing;  // commands that fail to start
  std::vector<std::string> calls;  // "empty recycle bin 7", "clear recent documents", "start <command>"

  void EmptyRecycleBin(std::uint32_t flags) override {
    calls.push_back("empty recycle bin " + std::to_string(flags));
  }
  void ClearRecentDocuments() override { calls.push_back("clear recent documents"); }
  bool StartHidden(const std::string& command) override {
    calls.push_back("start " + command);
    return missing.count(command) == 0;
  }
};

}  // namespace dusk
