#pragma once
// Display scale. Every size a window description gives (bounds, client sizes, fonts in pixels,
// offsets and depths of effects) is designed at 96 dots per inch; a window shown at another DPI
// takes it times dpi / 96, rounded as the system's MulDiv rounds. Scaled values are always
// computed from the designed ones, never from each other, so a window that goes from one DPI to
// another and back ends where it started.
#include <cstdint>

namespace ui {

inline constexpr int kDesignDpi = 96;

// number * numerator / denominator with a 64-bit product, rounded to the nearest integer with
// halves away from zero (MulDiv's rounding: -16.5 gives -17).
constexpr int MulDivRound(int number, int numerator, int denominator) {
  std::int64_t product = std::int64_t{number} * numerator;
  std::int64_t divisor = denominator;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  const std::int64_t half = divisor / 2;
  return static_cast<int>((product >= 0 ? product + half : product - half) / divisor);
}

// A designed size as shown at `dpi`.
constexpr int ScaleToDpi(int designed, int dpi) {
  return MulDivRound(designed, dpi, kDesignDpi);
}

// The designed value behind `pixels` shown at `dpi`: the one held so far while it still gives
// those pixels (a size read back and written again does not drift), otherwise the pixels taken
// back to the design DPI.
constexpr int DesignedFor(int pixels, int dpi, int designedSoFar) {
  if (ScaleToDpi(designedSoFar, dpi) == pixels)
    return designedSoFar;
  return MulDivRound(pixels, kDesignDpi, dpi);
}

} // namespace ui
