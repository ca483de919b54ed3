// A dialog service that records every message box and answers from a script.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace dusk {

struct ShownMessage {
  std::string text;
  std::string title;
  MsgButtons buttons;
  MsgIcon icon;
};

class RecordingDialogs : public Dialogs {
 public:
  // Answers given in order; when none is left, the first button's answer.
  void QueueAnswer(MsgResult answer) { answers_.push_back(answer); }
  const std::vector<ShownMessage>& shown() const { return shown_; }

  MsgResult Show(const std::string& text, const std::string& title, MsgButtons buttons,
                 MsgIcon icon) override;

 private:
  std::deque<MsgResult> answers_;
  std::vector<ShownMessage> shown_;
};

}  // namespace dusk
