// The floating toolbar: its outline, its seven picture buttons and what they do.
#pragma once
#include <array>
#include <string>

#include "platform/dialogs.h"
#include "platform/power.h"
#include "timer/remaining_region.h"

namespace dusk {

enum class ToolbarCommand { Shutdown, Restart, LogOff, Hibernate, Lock, StandBy, Exit };

struct ToolbarButton {
  const char* name;     // the control's name
  const char* tooltip;  // the button shows only its picture; this names it
  ToolbarCommand command;
};

// Left to right.
inline constexpr std::array<ToolbarButton, 7> kToolbarButtons{{
    {"CandyButton1", "Shutdown", ToolbarCommand::Shutdown},
    {"CandyButton6", "Restart", ToolbarCommand::Restart},
    {"CandyButton7", "Log off", ToolbarCommand::LogOff},
    {"CandyButton5", "Hibernate", ToolbarCommand::Hibernate},
    {"CandyButton4", "Lock computer", ToolbarCommand::Lock},
    {"CandyButton2", "Stand By", ToolbarCommand::StandBy},
    {"CandyButton3", "Exit", ToolbarCommand::Exit},
}};

// The window and its picture at 96 dots per inch, in pixels.
inline constexpr int kToolbarWidth = 361, kToolbarHeight = 101;

struct ButtonPlace {
  int x, y, width, height;
};

// Where everything goes on a screen with the given twips per pixel: laid out for 96
// dots per inch (buttons 33 pixels square, 32 apart, the first at (64, 16), inside the
// remaining-time window's rounded outline) and scaled as that outline is, so that the
// buttons stay inside it on any screen.
struct ToolbarLayout {
  int width, height;
  RoundRectSpec outline;
  std::array<ButtonPlace, 7> buttons;
};
ToolbarLayout LayOutToolbar(long twipsPerPixelX, long twipsPerPixelY);

// The program as the toolbar's buttons see it.
class ToolbarHost {
 public:
  virtual ~ToolbarHost() = default;
  virtual PowerApi& Power() = 0;
  virtual Dialogs& Messages() = 0;
  virtual std::string HibernationFilePath() const = 0;
  // The password when protection is on, "Do you really want to exit ?", then the end.
  virtual void EndProgram() = 0;
};

// A click: the power actions at once and never forced (hibernating only with the
// hibernation file), Exit through the program's ending.
void RunToolbarCommand(ToolbarHost& host, ToolbarCommand command);

}  // namespace dusk
