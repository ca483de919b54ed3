// "Form3": the borderless, rounded, topmost window that shows the warning message
// before a countdown's action, with a Close button. Dragged by any mouse button.
#pragma once
#include <functional>

#include "app/form_position.h"
#include "timer/warnings.h"
#include "timer/win/timer_window.h"

namespace dusk {

inline constexpr int kForm3Label1 = 1401;        // the message
inline constexpr int kForm3CandyButton1 = 1402;  // "Close"
inline constexpr int kForm3Text1 = 1403;         // dismissed marker: "" or "Visible"
inline constexpr int kForm3Text2 = 1404;         // sound-started marker: "" or "Music"

class WarningWindowWin : public TimerWindow, public WarningWindow {
 public:
  WarningWindowWin(PositionServices positions, std::function<void()> onClose)
      : positions_(positions), onClose_(std::move(onClose)) {}
  ~WarningWindowWin() override;

  void Load() override;
  void SetMessage(const std::string& text) override;
  void Show() override;
  void Hide() override;
  void ShowMarkers(bool dismissed, bool soundStarted) override;

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  PositionServices positions_;
  std::function<void()> onClose_;
  HFONT messageFont_ = nullptr;
  HBRUSH panel_ = nullptr;
};

}  // namespace dusk
