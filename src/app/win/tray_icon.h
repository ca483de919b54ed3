// The main window's icon in the notification area: one record, built once, sent
// whole with every add, modify and delete request.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace dusk {

class TrayIcon {
 public:
  // The record's first, 88-byte form; the callback arrives as WM_MOUSEMOVE.
  static constexpr DWORD kRecordSize = 88;
  static constexpr UINT kCallbackMessage = WM_MOUSEMOVE;

  TrayIcon(HWND owner, HICON icon);
  void Add();
  void Modify();
  void Delete();
  bool added() const { return added_; }

  void SetTip(const std::string& tip);  // padded; sent with the next request
  void SetIconShown(bool shown);
  std::string tip() const;
  const NOTIFYICONDATAA& record() const { return record_; }

 private:
  void Send(DWORD request);
  NOTIFYICONDATAA record_{};
  HICON icon_;
  bool added_ = false;
};

}  // namespace dusk
