#pragma once
// Plain value types shared by the decorative controls' portable core: colours, points, sizes
// and rectangles laid out as the window system's own, so the window code converts them 1:1.
#include <cstdint>
#include <initializer_list>

namespace widgets {

// 0x00BBGGRR; a high byte of 0x80 names a system colour that is resolved before drawing.
using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;

// System colours: 0x80000000 + the window system's colour index.
inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DLight = clSystemColor | 22;

constexpr bool IsSystemColor(TColor c) {
  return (c & 0xFF000000u) == clSystemColor;
}
constexpr int GetRValue(TColor c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(TColor c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(TColor c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
constexpr TColor RGBColor(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

struct TPoint {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

// Right and Bottom are exclusive, as in the window system.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr TRect Offset(int dx, int dy) const {
    return {Left + dx, Top + dy, Right + dx, Bottom + dy};
  }
  constexpr TRect Inflate(int dx, int dy) const {
    return {Left - dx, Top - dy, Right + dx, Bottom + dy};
  }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// A small set of enumeration members (at most 32), the published option sets of the controls.
template <class E> class TfcSet {
public:
  constexpr TfcSet() = default;
  constexpr TfcSet(std::initializer_list<E> members) {
    for (E m : members)
      bits_ |= Bit(m);
  }
  constexpr bool Contains(E m) const { return (bits_ & Bit(m)) != 0; }
  constexpr TfcSet& Include(E m) {
    bits_ |= Bit(m);
    return *this;
  }
  constexpr TfcSet& Exclude(E m) {
    bits_ &= ~Bit(m);
    return *this;
  }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(const TfcSet&, const TfcSet&) = default;

private:
  static constexpr std::uint32_t Bit(E m) { return std::uint32_t{1} << static_cast<int>(m); }
  std::uint32_t bits_ = 0;
};

} // namespace widgets
