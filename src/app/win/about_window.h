// frmAbout: who makes the program. Created each time it opens, destroyed on close.
#pragma once
#include <windows.h>

#include <functional>

namespace dusk {

class AboutWindow {
 public:
  // `onOk` runs after "Ok" closed the window (the main window comes back).
  explicit AboutWindow(std::function<void()> onOk);
  ~AboutWindow();
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;

  void Open();
  void Close();
  bool IsOpen() const { return hwnd_ != nullptr; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;

 private:
  std::function<void()> onOk_;
  HFONT nameFont_ = nullptr;
};

}  // namespace dusk
