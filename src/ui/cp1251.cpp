#include "ui/cp1251.h"

#include <array>

namespace ui {
namespace {

// UTF-16 units of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
// clang-format off
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};
// clang-format on

char16_t ByteToUnit(unsigned char byte) {
  if (byte < 0x80)
    return byte;
  if (byte >= 0xC0)
    return static_cast<char16_t>(0x0410 + (byte - 0xC0));
  return kUpperHalf[byte - 0x80];
}

// The byte for one UTF-16 unit, or 0 when Windows-1251 has none.
unsigned char UnitToByte(char16_t unit) {
  if (unit < 0x80)
    return static_cast<unsigned char>(unit);
  if (unit >= 0x0410 && unit <= 0x044F)
    return static_cast<unsigned char>(0xC0 + (unit - 0x0410));
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
    if (kUpperHalf[i] == unit)
      return static_cast<unsigned char>(0x80 + i);
  return 0;
}

bool IsHighSurrogate(char16_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

} // namespace

std::u16string Cp1251ToUtf16(const std::string& text) {
  std::u16string result;
  result.reserve(text.size());
  for (char c : text)
    result.push_back(ByteToUnit(static_cast<unsigned char>(c)));
  return result;
}

std::string Utf16ToCp1251(const std::u16string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      ++i; // one character beyond the Basic Multilingual Plane: one '?'
      result.push_back('?');
      continue;
    }
    const unsigned char byte = UnitToByte(unit);
    result.push_back(byte != 0 || unit == 0 ? static_cast<char>(byte) : '?');
  }
  return result;
}

} // namespace ui
