// An open-file dialog that answers from a script and records the filters it was given.
#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialog.h"

namespace dusk {

class ScriptedFileDialog : public FileDialog {
 public:
  // Answers in order; nothing (a cancel) when none is left.
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> filters;

  std::optional<std::string> ChooseFileToOpen(const std::string& filter) override {
    filters.push_back(filter);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace dusk
