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

  // Shows the window and returns at once. An open window only comes to the front.
  void Open();
  // Shows the window owned by `owner`, which is disabled meanwhile, and returns once
  // the window is closed; the program's other windows and timers go on meanwhile.
  // An open window only comes to the front: one modal loop at a time.
  void OpenModal(HWND owner);
  // Destroys the window; the owner of a modal one is enabled again first.
  void Close();
  bool IsOpen() const { return hwnd_ != nullptr; }
  bool IsModal() const { return modalOwner_ != nullptr; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;

 private:
  bool Create(HWND owner);
  void BringToFront();
  void ReleaseOwner();

  std::function<void()> onOk_;
  HFONT nameFont_ = nullptr;
  HWND modalOwner_ = nullptr;  // disabled while the modal window is open
  bool* alive_ = nullptr;      // cleared by the destructor for a running modal loop
};

}  // namespace dusk
