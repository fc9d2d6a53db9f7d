#pragma once
// The DPI a window is shown at, asked of the system where it can tell (per-monitor DPI on newer
// Windows), with the system-wide DPI as the answer everywhere else.
#include <windows.h>

namespace ui {

// The DPI of the monitor the window is on; the system DPI where that cannot be asked for, or
// for no window.
int WindowDpi(HWND window);
// The DPI the system was started with (the primary monitor's).
int SystemDpi();

} // namespace ui
