// Message boxes on MessageBoxA, owned by the active window of this thread while it is
// shown, unless a window has claimed the boxes shown meanwhile.
#pragma once
#include <windows.h>

#include "platform/dialogs.h"

namespace dusk {

class Win32Dialogs : public Dialogs {
 public:
  MsgResult Show(const std::string& text, const std::string& title, MsgButtons buttons,
                 MsgIcon icon) override;
};

// While one lives, the message boxes shown belong to (are modal to) `owner`, however
// the activation moves in between; a null or destroyed owner claims nothing.
class DialogOwnerScope {
 public:
  explicit DialogOwnerScope(HWND owner);
  ~DialogOwnerScope();
  DialogOwnerScope(const DialogOwnerScope&) = delete;
  DialogOwnerScope& operator=(const DialogOwnerScope&) = delete;

 private:
  HWND previous_;
};

}  // namespace dusk
