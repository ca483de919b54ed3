// The cleaner page (Picture2): the frame "Windows Cleaner" with a bare box and its
// label per task, the note under them, and "Select all", "Deselect all" and "Save
// settings". The page keeps the model's boxes current on every click.
#pragma once
#include <string>

#include "cleaner/cleaner_page.h"
#include "platform/dialogs.h"
#include "platform/profile.h"
#include "timer/win/timer_window.h"

namespace dusk {

class CleanerPageWindow : public SettingsPanel {
 public:
  struct Services {
    ProfileApi& profile;
    std::string settingsFile;
    Dialogs& dialogs;
  };
  CleanerPageWindow(HWND picture2, Services services, CleanerPage& page);
  ~CleanerPageWindow() override;

  // A control of the page or of its frame.
  HWND Item(int id) const;

 private:
  // The frame: a see-through panel with a rule around its rows and its caption.
  class Frame : public TimerWindow {
   public:
    HWND Create(HWND page, int x, int y, int width, int height);

   protected:
    LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
  };

  void OnCommand(int id, int code) override;
  void ShowBoxes();
  void RepaintLabel(int box);

  Services services_;
  CleanerPage& page_;
  Frame frame_;
};

}  // namespace dusk
