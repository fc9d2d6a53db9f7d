#include "ui/accel_text.h"

namespace ui {

std::string StripAccelerators(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      shown.push_back(text[i]);
    } else if (i + 1 < text.size() && text[i + 1] == '&') {
      shown.push_back('&');
      ++i;
    }
  }
  return shown;
}

char AcceleratorOf(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&')
      continue;
    if (text[i + 1] != '&')
      return text[i + 1];
    ++i; // skip the escaped ampersand
  }
  return '\0';
}

char UpperCp1251(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'a' && b <= 'z') || b >= 0xE0)
    return static_cast<char>(b - 0x20);
  // Letters outside the two contiguous alphabets: the lower case byte, then its capital.
  static constexpr unsigned char kPairs[][2] = {
      {0xB8, 0xA8}, {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C},
      {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2},
      {0xB4, 0xA5}, {0xBA, 0xAA}, {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF}};
  for (const auto& pair : kPairs)
    if (b == pair[0])
      return static_cast<char>(pair[1]);
  return c;
}

bool IsAccelerator(char key, std::string_view text) {
  const char accel = AcceleratorOf(text);
  return accel != '\0' && UpperCp1251(accel) == UpperCp1251(key);
}

} // namespace ui
