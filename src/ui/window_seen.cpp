#include "ui/window_seen.h"

#include <string>

namespace ui {
namespace {

// DwmGetWindowAttribute, from the system folder's dwmapi.dll, looked up once: systems without
// the desktop window manager have neither, and cloak nothing.
using GetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);

GetWindowAttributeFn LoadGetWindowAttribute() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return nullptr;
  HMODULE dwm = LoadLibraryW((std::wstring(folder, length) + L"\\dwmapi.dll").c_str());
  return dwm ? reinterpret_cast<GetWindowAttributeFn>(
                   reinterpret_cast<void*>(GetProcAddress(dwm, "DwmGetWindowAttribute")))
             : nullptr;
}

bool Cloaked(HWND window) {
  constexpr DWORD kCloaked = 14; // DWMWA_CLOAKED
  static const GetWindowAttributeFn getAttribute = LoadGetWindowAttribute();
  DWORD cloaked = 0;
  return getAttribute && SUCCEEDED(getAttribute(window, kCloaked, &cloaked, sizeof cloaked)) &&
         cloaked != 0;
}

} // namespace

bool SeenOnScreen(HWND window) {
  if (!window || !IsWindowVisible(window))
    return false;
  HWND root = GetAncestor(window, GA_ROOT);
  if (!root)
    root = window;
  return !IsIconic(root) && !Cloaked(root);
}

} // namespace ui
