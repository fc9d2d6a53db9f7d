#include "ui/under_wine.h"

#include <windows.h>

namespace ui {

bool RunningUnderWine() {
  static const bool underWine = [] {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }();
  return underWine;
}

} // namespace ui
