#include "glview/animation_step.h"

#include <cstdint>

namespace glview {

void BuildStep(TViewMatrix& step, const TViewMatrix& motion, int speed) {
  step.Identity();
  const std::int64_t times = speed < 0 ? -static_cast<std::int64_t>(speed) : speed;
  const TMatrixValues factor = motion.Values();
  for (std::int64_t i = 0; i < times; ++i)
    step.Multiply(factor);
  if (speed < 0)
    step.Invert();
}

} // namespace glview
