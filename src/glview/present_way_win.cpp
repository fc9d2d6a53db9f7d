#include "glview/present_way.h"

#include <string>

#include <windows.h>

namespace glview {

TPresentWay PresentWayForThisProcess() {
  char value[16] = {};
  const DWORD length = GetEnvironmentVariableA(kPresentWayVariable, value, sizeof value);
  const std::string_view override(value, length < sizeof value ? length : 0);
  // Wine's ntdll exports its version; Windows' own never does.
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  const bool underWine = ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
  return ChoosePresentWay(override, underWine);
}

} // namespace glview
