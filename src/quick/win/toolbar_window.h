// "toolfrm": the floating toolbar, a borderless window cut to a rounded band with
// seven picture buttons. Any mouse button on its background drags it, and where it
// is left is remembered for the next start.
#pragma once
#include <array>
#include <functional>

#include "app/form_position.h"
#include "quick/toolbar.h"
#include "quick/win/quick_ids.h"
#include "schedule/win/dialog_keys.h"
#include "timer/win/timer_window.h"

namespace dusk {

class ToolbarWindow : public TimerWindow {
 public:
  ToolbarWindow(PositionServices positions, std::function<void(ToolbarCommand)> clicked);
  ~ToolbarWindow() override;

  // Shows the toolbar where it was left; `onTop` keeps it above other windows.
  void Open(bool onTop);

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Load(bool onTop);
  void PaintBackground(HDC dc);

  PositionServices positions_;
  std::function<void(ToolbarCommand)> clicked_;
  HBITMAP background_ = nullptr;
  std::array<HICON, 7> pictures_{};
  HWND tooltips_ = nullptr;
  DialogKeys keys_{kToolbarButton, kToolbarButton};
};

}  // namespace dusk
