// Which windows ending the program closes, and in which order.
#pragma once
#include <string>
#include <vector>

namespace dusk {

enum class ExitOrigin;

// Window class names, first to last, after the tray icon has been removed. The
// window that asked is closed last by the caller.
std::vector<std::string> ClosingOrder(ExitOrigin origin);

}  // namespace dusk
