#pragma once
// Colour values as Windows keeps them: 0x00BBGGRR, red in the lowest byte. A value with the high
// byte 0x80 names a system colour and is resolved before drawing; clNone means no colour.
#include <cstdint>

namespace ui {

using TColor = std::int32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;

// System colours: 0x80000000 | COLOR_xxx index.
inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clScrollBar = clSystemColor | 0;

constexpr bool IsSystemColor(TColor color) {
  return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0x80000000u;
}

constexpr std::uint8_t RedOf(TColor c) {
  return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t GreenOf(TColor c) {
  return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(TColor c) {
  return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}
constexpr TColor RGBColor(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// Resolves a system colour through the supplied lookup (GetSysColor on Windows); other values
// lose their high byte.
template <typename SysColorLookup> TColor ColorToRGB(TColor color, SysColorLookup sysColor) {
  if (IsSystemColor(color))
    return static_cast<TColor>(sysColor(color & 0xFF)) & 0xFFFFFF;
  return color & 0xFFFFFF;
}

} // namespace ui
