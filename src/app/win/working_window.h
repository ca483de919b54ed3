// Form4: "Please wait" with a moving bar while a cleaning command runs. Created on
// first use, then shown and hidden.
#pragma once
#include <windows.h>

namespace dusk {

class WorkingWindow {
 public:
  static constexpr int kWidth = 515, kHeight = 218;
  static constexpr int kLabelId = 10, kBarId = 11;  // lbl1, UPB1

  WorkingWindow() = default;
  ~WorkingWindow();
  WorkingWindow(const WorkingWindow&) = delete;
  WorkingWindow& operator=(const WorkingWindow&) = delete;

  void Show();  // without blocking: the caller goes on working
  void Hide();
  void Close();

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;

 private:
  void Create();
  HWND bar_ = nullptr;
};

}  // namespace dusk
