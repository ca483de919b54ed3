// The countdown controls on the Main page: the action list, "In"/"At" with their
// number fields and spinners, the options, and the button that arms and disarms.
// The controls sit on a panel that is disabled while a countdown runs; the button
// sits outside it so that the countdown can still be disarmed.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "timer/action_items.h"
#include "timer/countdown.h"
#include "timer/timer_fields.h"
#include "timer/win/timer_window.h"

namespace dusk {

class LightSubclasser;

inline constexpr int kTimerControls = 1100;  // the panel that is locked while armed
inline constexpr int kCmbAction = 1101;
inline constexpr int kOptIn = 1102;  // opt(0)
inline constexpr int kOptAt = 1103;  // opt(1)
inline constexpr int kLabel35 = 1104;
inline constexpr int kLabel36 = 1105;
inline constexpr int kTxtPeriod = 1110;
inline constexpr int kVsPeriod = 1111;
inline constexpr int kTxtMin1 = 1112;
inline constexpr int kVsMin1 = 1113;
inline constexpr int kTxtHour = 1114;
inline constexpr int kVsHour = 1115;
inline constexpr int kTxtMin = 1116;
inline constexpr int kVsMin = 1117;
inline constexpr int kCmbT = 1118;
inline constexpr int kChkForce = 1120;
inline constexpr int kLabel32 = 1121;
inline constexpr int kChkBlink = 1122;
inline constexpr int kLabel33 = 1123;
inline constexpr int kTxtBlink = 1124;
inline constexpr int kVsBlink = 1125;
inline constexpr int kLabel60 = 1126;
inline constexpr int kCheck20 = 1127;
inline constexpr int kLabel34 = 1128;
inline constexpr int kIsButton1 = 1130;

// A number field tied to its spinner (a vertical scroll bar, minimum at the top).
struct SpinField {
  HWND edit = nullptr;
  HWND spinner = nullptr;
  NumberField rule{0, 0, false};
  bool rewriting = false;
};

class TimerPage : public TimerWindow {
 public:
  struct Events {
    std::function<void()> buttonClicked;  // isButton1
    std::function<void()> tick;           // the 100 ms countdown tick
  };
  TimerPage(HWND picture1, const std::vector<ActionItem>& actions, Events events);
  ~TimerPage() override;

  TimerPageValues Values() const;
  void EnableControls(bool enable);
  void SetButtonCaption(const std::string& text);
  void SetTickRunning(bool running);
  HWND button() const { return button_; }

 protected:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // The inner panel routes its controls' notifications to the page.
  class Panel : public TimerWindow {
   public:
    explicit Panel(TimerPage& page) : page_(page) {}
    HWND Create(HWND parent, int width, int height);

   protected:
    LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

   private:
    TimerPage& page_;
  };

  void BuildControls(HWND panel, int width);
  SpinField MakeSpinField(HWND panel, int editId, int spinnerId, const NumberField& rule,
                          const char* text, int maxChars, int x, int y, int width);
  void OnCommand(int id, int code);
  void OnSpinner(HWND spinner, int request);
  void OnFieldEdited(SpinField& field);
  void ApplyMode(bool intervalMode);
  void ApplyBlinkEnabling();
  SpinField* FieldOf(HWND control);
  HWND Item(int id) const { return GetDlgItem(panel_.hwnd(), id); }

  Panel panel_;
  Events events_;
  std::vector<ActionItem> actions_;
  HWND button_ = nullptr;
  HIMAGELIST images_ = nullptr;
  SpinField period_, minutes_, hour_, clockMinutes_, blink_;
  std::unique_ptr<LightSubclasser> optionKeys_;  // the arrows between "In" and "At"
  bool ticking_ = false;
};

}  // namespace dusk
