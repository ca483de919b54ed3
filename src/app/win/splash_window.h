// frmsplash1: the first window, shown for one second; its timer tick runs `onTick`
// (which creates the main window) and then closes it.
#pragma once
#include <windows.h>

#include <functional>

namespace dusk {

class SplashWindow {
 public:
  static constexpr int kWidth = 479, kHeight = 281;

  explicit SplashWindow(std::function<void()> onTick);
  ~SplashWindow();
  SplashWindow(const SplashWindow&) = delete;
  SplashWindow& operator=(const SplashWindow&) = delete;

  void Show();
  bool IsOpen() const { return hwnd_ != nullptr; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;

 private:
  std::function<void()> onTick_;
  HFONT nameFont_ = nullptr, versionFont_ = nullptr;
};

}  // namespace dusk
