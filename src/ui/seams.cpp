#include "ui/seams.h"

#include "ui/win_text.h"

#include <commdlg.h>
#include <shellapi.h>

namespace ui {

TSeams TSeams::Real() {
  TSeams seams;
  seams.ErrorBox = [](HWND owner, const std::string& text, const std::string& caption) {
    MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), MB_OK | MB_ICONERROR);
  };
  seams.FatalErrorBox = [](const std::string& text) {
    MessageBoxW(nullptr, ToWide(text).c_str(), L"Application Error",
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
  };
  seams.OpenLink = [](HWND owner, const std::string& address) {
    ShellExecuteW(owner, L"open", ToWide(address).c_str(), nullptr, nullptr, SW_SHOW);
  };
  seams.PickColor = [](HWND owner, TColor& color) {
    static COLORREF custom[16] = {}; // the chooser's custom colours, kept for the session
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = static_cast<COLORREF>(color & 0xFFFFFF);
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!ChooseColorW(&cc))
      return false;
    color = static_cast<TColor>(cc.rgbResult);
    return true;
  };
  seams.LocalTime = [] {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
  };
  return seams;
}

} // namespace ui
