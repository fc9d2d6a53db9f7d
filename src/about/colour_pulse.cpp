#include "about/colour_pulse.h"

#include "glview/scale_color.h"

#include <cmath>
#include <numbers>

namespace about {

void TColourPulse::Step() {
  ++counter_;
  if (counter_ > 100)
    counter_ = 0;
}

double TColourPulse::Factor(int phase) const {
  const long double a =
      (static_cast<long double>(counter_ + phase) / 100 * 2) * std::numbers::pi_v<long double>;
  return static_cast<double>((std::sin(a) + 2) / 3);
}

std::uint32_t TColourPulse::Colour(int phase, std::uint32_t base) const {
  return glview::ScaleColor(base, Factor(phase));
}

} // namespace about
