#include "glview/present_way.h"

#include <string>

#include "ui/under_wine.h"

#include <windows.h>

namespace glview {

TPresentWay PresentWayForThisProcess() {
  char value[16] = {};
  const DWORD length = GetEnvironmentVariableA(kPresentWayVariable, value, sizeof value);
  const std::string_view override(value, length < sizeof value ? length : 0);
  return ChoosePresentWay(override, ui::RunningUnderWine());
}

} // namespace glview
