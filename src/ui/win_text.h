#pragma once
// The boundary between the program's Windows-1251 text and the W functions of Windows.
#include <string>

namespace ui {

std::wstring ToWide(const std::string& text);
std::string FromWide(const std::wstring& text);

// A window's text, read with GetWindowTextW and narrowed.
std::string WindowText(void* hwnd);

} // namespace ui
