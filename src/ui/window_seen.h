#pragma once
// Whether a person can see a window at all. IsWindowVisible says only that the window and its
// parents have the visible style: a window under a minimised one, or on another virtual desktop
// (which the desktop window manager cloaks), has it too.
#include <windows.h>

namespace ui {

// Visible, its top-level window not minimised and not cloaked.
bool SeenOnScreen(HWND window);

} // namespace ui
