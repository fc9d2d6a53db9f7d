#include "ui/win_text.h"

#include "ui/cp1251.h"

#include <windows.h>

namespace ui {

// wchar_t is 16 bits on Windows, so the UTF-16 helpers apply unit for unit.
std::wstring ToWide(const std::string& text) {
  const std::u16string wide = Cp1251ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

std::string FromWide(const std::wstring& text) {
  return Utf16ToCp1251(std::u16string(text.begin(), text.end()));
}

std::string WindowText(void* hwnd) {
  HWND window = static_cast<HWND>(hwnd);
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return FromWide(text);
}

} // namespace ui
