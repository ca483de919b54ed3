// Window positions remembered per user between runs, in twips.
#pragma once
#include <string>

#include "platform/dialogs.h"
#include "platform/registry.h"

namespace dusk {

// The view of a window that the position store needs; all lengths in twips.
class PositionedWindow {
 public:
  virtual ~PositionedWindow() = default;
  virtual std::string WindowName() const = 0;
  virtual long Left() const = 0;
  virtual long Top() const = 0;
  virtual long Width() const = 0;
  virtual long Height() const = 0;
  virtual long ScreenWidth() const = 0;
  virtual long ScreenHeight() const = 0;
  virtual void MoveTo(long left, long top) = 0;
};

struct PositionServices {
  Registry& registry;
  Dialogs& dialogs;
};

// Keys are the window name followed by " StartUp_Xpos" / " StartUp_Ypos".
std::string PositionKeyX(const std::string& windowName);
std::string PositionKeyY(const std::string& windowName);

// Moves the window to its stored position (clamped to the screen), or centres it.
// A stored value that is not a number centres the window, stores the centred
// position so the failure is not met again, and says so in a message box.
void LoadFormPosition(PositionServices& services, PositionedWindow& window);

// Stores the window's left and top edges after the same clamps.
void SaveFormPosition(PositionServices& services, PositionedWindow& window);

}  // namespace dusk
