// Message boxes on MessageBoxA, owned by the active window of this thread while it is
// shown.
#pragma once
#include "platform/dialogs.h"

namespace dusk {

class Win32Dialogs : public Dialogs {
 public:
  MsgResult Show(const std::string& text, const std::string& title, MsgButtons buttons,
                 MsgIcon icon) override;
};

}  // namespace dusk
