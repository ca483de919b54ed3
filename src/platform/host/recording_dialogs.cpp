#include "platform/host/recording_dialogs.h"

namespace dusk {

MsgResult RecordingDialogs::Show(const std::string& text, const std::string& title,
                                 MsgButtons buttons, MsgIcon icon) {
  shown_.push_back({text, title, buttons, icon});
  if (!answers_.empty()) {
    MsgResult answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgResult::Yes;
    case MsgButtons::RetryCancel: return MsgResult::Retry;
    default: return MsgResult::Ok;
  }
}

}  // namespace dusk
