#include "app/win/tray_icon.h"

#include <cstring>

#include "app/tray_tip.h"

namespace dusk {

static_assert(sizeof(NOTIFYICONDATAA::szTip) >= kTrayTipBytes, "the tip field holds 64 bytes");

TrayIcon::TrayIcon(HWND owner, HICON icon) : icon_(icon) {
  record_.cbSize = kRecordSize;
  record_.hWnd = owner;
  record_.uID = 1;
  record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record_.uCallbackMessage = kCallbackMessage;
  record_.hIcon = icon;
  SetTip(kIdleTrayTip);
}

void TrayIcon::SetTip(const std::string& tip) {
  const std::string padded = PadTrayTip(tip);
  std::memset(record_.szTip, 0, kTrayTipBytes);
  std::memcpy(record_.szTip, padded.data(), padded.size());
}

void TrayIcon::SetIconShown(bool shown) { record_.hIcon = shown ? icon_ : nullptr; }

std::string TrayIcon::tip() const { return record_.szTip; }

void TrayIcon::Add() {
  Send(NIM_ADD);
  added_ = true;
}

void TrayIcon::Modify() {
  if (added_) Send(NIM_MODIFY);
}

void TrayIcon::Delete() {
  if (!added_) return;
  Send(NIM_DELETE);
  added_ = false;
}

void TrayIcon::Send(DWORD request) {
  NOTIFYICONDATAA copy = record_;  // the shell takes a non-const record
  Shell_NotifyIconA(request, &copy);
}

}  // namespace dusk
