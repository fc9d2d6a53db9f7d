#pragma once
// The animation-speed field's text as a number, with the framework's conversion error for a text
// that is not one.
#include <string>

namespace glview {

// Leading blanks, an optional sign and decimal digits that fit a 32-bit signed integer; anything
// else raises ui::EConvertError "'<text>' is not a valid integer value".
int SpeedFromText(const std::string& text);

} // namespace glview
