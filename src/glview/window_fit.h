#pragma once
// Fitting the scene's cube -1..1 to a window that is not square: the longer side is shrunk to
// the shorter one's proportion.
#include <optional>

namespace glview {

struct TAspect {
  float X = 0.0f;
  float Y = 0.0f;
  bool operator==(const TAspect&) const = default;
};

// Factors for a client area: height/width and 1 when wider than high, 1 and width/height
// otherwise. None while the area is empty: the fit waits until the control has a size, so no
// infinity or NaN ever reaches the window-fit matrix.
std::optional<TAspect> FitFactors(int width, int height);

// The scale that turns a matrix containing the fit `current` into one containing `next`, keeping
// whatever zoom and pan it also holds. A `current` of zero means the matrix holds no fit yet (the
// scene was set up while the control had no size), and then the whole of `next` is applied.
TAspect RefitScale(TAspect current, TAspect next);

} // namespace glview
