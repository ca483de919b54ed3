// The "UPB" control: a gradient bar that sweeps back and forth while enabled, to show
// that work is going on without a known amount.
#pragma once
#include <windows.h>

#include <cstdint>

#include "widgets/block_progress.h"

namespace dusk {

inline constexpr const char* kBlockProgressClass = "UPB";
inline constexpr UINT_PTR kBlockProgressTimerId = 1;  // the "Animate" timer

// Registers the class on first use. The new control is stopped, with the defaults of a
// newly placed control.
HWND CreateBlockProgressBar(HWND parent, int id, int x, int y, int width, int height);

void SetBlockProgressEnabled(HWND bar, bool enabled);  // false also clears the picture
bool BlockProgressEnabled(HWND bar);
void SetBlockProgressForeColor(HWND bar, uint32_t color);
void SetBlockProgressFollowColor(HWND bar, uint32_t color);
void SetBlockProgressVerticalColors(HWND bar, bool vertical);
void SetBlockProgressBlocks(HWND bar, bool blocks);
void SetBlockProgressBorders(HWND bar, int32_t edge);
void SetBlockProgressForeSpeed(HWND bar, int speed);  // clamped to 1..60
void SetBlockProgressDelay(HWND bar, int delay_ms);   // clamped to 1..60, sets the timer
void ResetBlockProgress(HWND bar);  // both ends back to the left edge, picture cleared

BlockProgressProps BlockProgressProperties(HWND bar);
BlockSweep BlockProgressSweep(HWND bar);
// True once a setter of a stored property ran since creation or the last load.
bool BlockProgressPropertiesChanged(HWND bar);
void SaveBlockProgressBar(HWND bar, PropertyBag& bag);
void LoadBlockProgressBar(HWND bar, const PropertyBag& bag);

// One animation step as the timer would run it (moves the sweep, draws when it moved).
void StepBlockProgress(HWND bar);

}  // namespace dusk
