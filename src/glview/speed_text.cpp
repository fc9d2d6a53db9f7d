#include "glview/speed_text.h"

#include "ui/exception.h"

#include <cstdint>

namespace glview {

int SpeedFromText(const std::string& text) {
  const auto fail = [&text] {
    return ui::EConvertError("'" + text + "' is not a valid integer value");
  };
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+'))
    negative = text[i++] == '-';
  if (i == text.size())
    throw fail();
  // Accumulate the magnitude in 64 bits and stop as soon as it cannot fit, so a long run of
  // digits cannot overflow.
  std::int64_t magnitude = 0;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9')
      throw fail();
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit)
      throw fail();
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace glview
