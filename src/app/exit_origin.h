// Where the request to end the program came from; the tray closes more windows.
#pragma once

namespace dusk {

enum class ExitOrigin { TrayMenu, Toolbar };

}  // namespace dusk
