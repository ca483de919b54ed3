#include "app/tray_tip.h"

namespace dusk {

std::string PadTrayTip(const std::string& tip) {
  std::string padded = tip.substr(0, kTrayTipBytes - 1);
  padded.resize(kTrayTipBytes - 1, ' ');
  return padded;
}

TrayMouse DecodeTrayCallback(std::uint32_t mouseMoveLParam) {
  // A real move over the window carries a y coordinate in the high word; the tray's
  // reports never do, and no client x reaches these numbers (the window is 500 wide).
  switch (mouseMoveLParam) {
    case 0x203: return TrayMouse::DoubleClick;    // WM_LBUTTONDBLCLK
    case 0x205: return TrayMouse::RightButtonUp;  // WM_RBUTTONUP
    default: return TrayMouse::None;
  }
}

}  // namespace dusk
