#pragma once
// Plain value types shared by the decorative controls' portable core: colours, points, sizes
// and rectangles laid out as the window system's own, so the window code converts them 1:1.
#include "ui/color.h"
#include "ui/set_if_changed.h"

#include <cstdint>
#include <initializer_list>

namespace widgets {

// Colours are the framework's: 0x00BBGGRR, system colours with the high byte 0x80.
using ui::BlueOf;
using ui::cl3DLight;
using ui::clAqua;
using ui::clBlack;
using ui::clBlue;
using ui::clBtnFace;
using ui::clBtnHighlight;
using ui::clBtnShadow;
using ui::clFuchsia;
using ui::clHighlight;
using ui::clLime;
using ui::clNone;
using ui::clPurple;
using ui::clRed;
using ui::clSilver;
using ui::clSkyBlue;
using ui::clTeal;
using ui::clWhite;
using ui::clYellow;
using ui::GreenOf;
using ui::IsSystemColor;
using ui::RedOf;
using ui::RGBColor;
using ui::TColor;

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

using ui::SetIfChanged;

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
