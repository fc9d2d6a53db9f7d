#include "ui/window_dpi.h"

#include "ui/display_scale.h"
#include "ui/handles.h"

namespace ui {
namespace {

// Looked up at run time: the per-monitor functions are missing from older systems, and a program
// that named them would not start there.
template <typename Function> Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

} // namespace

int SystemDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
  if (getDpiForSystem)
    if (const UINT dpi = getDpiForSystem())
      return static_cast<int>(dpi);
  WindowDC screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (window && getDpiForWindow)
    if (const UINT dpi = getDpiForWindow(window))
      return static_cast<int>(dpi);
  return SystemDpi();
}

} // namespace ui
