// The button makers moved to the widgets; this name stays for the files that still
// include it.
#pragma once
#include "widgets/win/window_buttons.h"
