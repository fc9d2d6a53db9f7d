#include "glview/animation_step.h"

#include <cstdint>

namespace glview {

namespace {
// Up to this many steps the motion is multiplied in one by one, as OpenGL would; beyond it the
// power is taken by repeated squaring, so that a speed typed as 2000000000 costs 31 squarings
// instead of freezing the program (the result is the same matrix within float rounding).
constexpr std::int64_t kStepByStepLimit = 1024;
} // namespace

void BuildStep(TViewMatrix& step, const TViewMatrix& motion, int speed) {
  step.Identity();
  std::int64_t times = speed < 0 ? -static_cast<std::int64_t>(speed) : speed;
  const TMatrixValues factor = motion.Values();
  if (times <= kStepByStepLimit) {
    for (std::int64_t i = 0; i < times; ++i)
      step.Multiply(factor);
  } else if (step.Context().IsContextCurrent()) { // like Multiply: nothing without a context
    TMatrixValues power = factor;
    TMatrixValues result = kIdentityValues;
    for (; times > 0; times >>= 1) {
      if (times & 1)
        result = MultiplyValues(result, power);
      power = MultiplyValues(power, power);
    }
    step.SetValues(result);
  }
  if (speed < 0)
    step.Invert();
}

} // namespace glview
