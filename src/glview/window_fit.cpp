#include "glview/window_fit.h"

namespace glview {

std::optional<TAspect> FitFactors(int width, int height) {
  if (width <= 0 || height <= 0)
    return std::nullopt;
  if (height < width)
    return TAspect{static_cast<float>(static_cast<double>(height) / width), 1.0f};
  return TAspect{1.0f, static_cast<float>(static_cast<double>(width) / height)};
}

TAspect RefitScale(TAspect current, TAspect next) {
  if (current.X == 0.0f || current.Y == 0.0f)
    return next;
  return {static_cast<float>(static_cast<double>(next.X) / current.X),
          static_cast<float>(static_cast<double>(next.Y) / current.Y)};
}

} // namespace glview
