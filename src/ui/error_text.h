#pragma once
#include <string>

namespace ui {

// The text the error box shows for an exception message: a full stop is appended when the last
// character's code is above '.', so "File access denied" gets one and "Done!" or "Done." do not.
// The comparison is on the unsigned byte, so Cyrillic letters (0xC0..0xFF) count as above.
std::string ErrorBoxText(const std::string& message);

} // namespace ui
