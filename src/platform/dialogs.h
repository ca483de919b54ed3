// Message boxes: every text the program tells the user passes through here.
#pragma once
#include <string>

namespace dusk {

// Numbers follow the platform's MB_* and ID* values so that the Win32 side maps 1:1.
enum class MsgButtons { Ok = 0, OkCancel = 1, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class MsgIcon { None = 0, Critical = 0x10, Question = 0x20, Exclamation = 0x30, Information = 0x40 };
enum class MsgResult { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MsgResult Show(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) = 0;
};

}  // namespace dusk
