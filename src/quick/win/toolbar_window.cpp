#include "quick/win/toolbar_window.h"

#include <commctrl.h>

#include "../../../resources/resource_ids.h"
#include "app/win/hwnd_position.h"
#include "app/win/on_top.h"
#include "quick/win/quick_ids.h"
#include "widgets/win/candy_button.h"

namespace dusk {
namespace {

constexpr int kCandyStyle = 2;  // the glossy round face

int PictureOf(ToolbarCommand command) {
  switch (command) {
    case ToolbarCommand::Shutdown:
      return IDI_ACTION_SHUTDOWN;
    case ToolbarCommand::Restart:
      return IDI_ACTION_RESTART;
    case ToolbarCommand::LogOff:
      return IDI_ACTION_LOGOFF;
    case ToolbarCommand::Hibernate:
      return IDI_ACTION_HIBERNATE;
    case ToolbarCommand::Lock:
      return IDI_ACTION_LOCK;
    case ToolbarCommand::StandBy:
      return IDI_ACTION_STANDBY;
    case ToolbarCommand::Exit:
      return IDI_ACTION_EXIT;
  }
  return 0;
}

}  // namespace

ToolbarWindow::ToolbarWindow(PositionServices positions,
                             std::function<void(ToolbarCommand)> clicked)
    : positions_(positions), clicked_(std::move(clicked)) {}

ToolbarWindow::~ToolbarWindow() {
  // The window owns its region; the buttons go with it before their pictures do.
  if (hwnd()) DestroyWindow(hwnd());
  for (HICON picture : pictures_)
    if (picture) DestroyIcon(picture);
  if (background_) DeleteObject(background_);
}

void ToolbarWindow::Load(bool onTop) {
  if (hwnd()) return;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  const ToolbarLayout layout = LayOutToolbar(TwipsPerPixelX(), TwipsPerPixelY());
  HWND w = CreateAs("toolfrm", WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, WS_POPUP | WS_CLIPCHILDREN,
                    0, 0, layout.width, layout.height, nullptr);
  if (!w) return;
  SetWindowTextA(w, "ShapedForm");
  // Before its tooltips exist: a window that already owns a topmost window is not
  // always made topmost itself.
  if (onTop) MakeTopmost(w);
  background_ = static_cast<HBITMAP>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, 0));
  tooltips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, w,
                              nullptr, instance, nullptr);
  for (int i = 0; i < static_cast<int>(kToolbarButtons.size()); ++i) {
    const ToolbarButton& entry = kToolbarButtons[i];
    const ButtonPlace& place = layout.buttons[i];
    HWND button =
        CreateCandyButton(w, kToolbarButton + i, "", place.x, place.y, place.width, place.height);
    SetCandyStyle(button, kCandyStyle);
    pictures_[i] = static_cast<HICON>(LoadImageA(
        instance, MAKEINTRESOURCEA(PictureOf(entry.command)), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (pictures_[i]) SetCandyPicture(button, pictures_[i], true);
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = w;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<char*>(entry.tooltip);
    SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  const RoundRectSpec& o = layout.outline;
  HRGN region =
      CreateRoundRectRgn(o.left, o.top, o.right, o.bottom, o.ellipseWidth, o.ellipseHeight);
  // Once set, the region belongs to the window and goes when the window does.
  if (region && !SetWindowRgn(w, region, TRUE)) DeleteObject(region);
  HwndPosition position(w, "toolfrm");
  LoadFormPosition(positions_, position);
}

void ToolbarWindow::Open(bool onTop) {
  Load(onTop);
  if (hwnd()) ShowWindow(hwnd(), SW_SHOW);
}

void ToolbarWindow::PaintBackground(HDC dc) {
  RECT area;
  GetClientRect(hwnd(), &area);
  if (!background_) {
    PaintDusk(dc, area);
    return;
  }
  HDC picture = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(picture, background_);
  // Drawn for 96 dots per inch and stretched with the window on larger screens.
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, 0, 0, area.right, area.bottom, picture, 0, 0, kToolbarWidth, kToolbarHeight,
             SRCCOPY);
  SelectObject(picture, old);
  DeleteDC(picture);
}

LRESULT ToolbarWindow::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (MoveAndRemember(w, msg, positions_, "toolfrm")) return 0;
  // Tab between the buttons, Enter presses the focused one, and activation gives the
  // focus back to the button that had it.
  LRESULT answered = 0;
  if (keys_.Handle(w, msg, wp, lp, answered)) return answered;
  switch (msg) {
    case WM_COMMAND: {
      const int index = LOWORD(wp) - kToolbarButton;
      if (HIWORD(wp) == BN_CLICKED && index >= 0 &&
          index < static_cast<int>(kToolbarButtons.size()) && clicked_)
        clicked_(kToolbarButtons[index].command);
      return 0;
    }
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wp));
      return 1;
    case WM_PRINTCLIENT:
      PaintBackground(reinterpret_cast<HDC>(wp));
      return 0;
  }
  return TimerWindow::Handle(w, msg, wp, lp);
}

}  // namespace dusk
