#include "glview/scale_color.h"

#include <cmath>

namespace glview {
namespace {

// Round half to even without depending on the thread's current rounding mode.
std::uint32_t ScaleByte(std::uint32_t byte, double factor) {
  const double product = byte * factor;
  if (!std::isfinite(product) || std::fabs(product) >= 9.2e18)
    return 0;
  double whole = std::floor(product);
  const double fraction = product - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
    whole += 1.0;
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(whole)) & 0xFFu;
}

} // namespace

std::uint32_t ScaleColor(std::uint32_t color, double factor) {
  const std::uint32_t red = ScaleByte(color & 0xFFu, factor);
  const std::uint32_t green = ScaleByte((color >> 8) & 0xFFu, factor);
  const std::uint32_t blue = ScaleByte((color >> 16) & 0xFFu, factor);
  return (color & 0xFF000000u) | (blue << 16) | (green << 8) | red;
}

} // namespace glview
