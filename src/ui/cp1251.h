#pragma once
// Windows-1251 <-> UTF-16, done by table so that the result never depends on the system's ANSI
// code page and the conversion is testable off Windows.
#include <string>

namespace ui {

// Every byte maps to one UTF-16 unit (the one unassigned byte 0x98 maps to the C1 control U+0098,
// as Windows does, so every byte string survives a round trip).
std::u16string Cp1251ToUtf16(const std::string& text);

// Units that Windows-1251 cannot hold (and unpaired surrogates; a surrogate pair counts as one
// character) become '?', so the result has one byte per character the user saw.
std::string Utf16ToCp1251(const std::u16string& text);

} // namespace ui
