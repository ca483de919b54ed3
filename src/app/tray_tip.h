// The tray icon's tip text and the mouse codes the tray reports back.
#pragma once
#include <cstdint>
#include <string>

namespace dusk {

// The tip field of the icon record holds 64 bytes.
inline constexpr std::size_t kTrayTipBytes = 64;
inline constexpr const char* kIdleTrayTip = "No Action Set";

// The tip as stored in the record: cut or filled with spaces to 63 characters so
// that the field always keeps its terminating NUL.
std::string PadTrayTip(const std::string& tip);

enum class TrayMouse { None, DoubleClick, RightButtonUp };

// The tray reports mouse events on the icon as mouse moves over the main window,
// the event's message number standing where the coordinates would be.
TrayMouse DecodeTrayCallback(std::uint32_t mouseMoveLParam);

}  // namespace dusk
