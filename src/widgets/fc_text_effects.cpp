#include "widgets/fc_text_effects.h"

#include <algorithm>
#include <cmath>

namespace widgets {

TPoint ExtrudeStep(TfcOrientation orientation) {
  switch (orientation) {
  case TfcOrientation::fcTopLeft:
    return {1, 1};
  case TfcOrientation::fcTopRight:
    return {-1, 1};
  case TfcOrientation::fcBottomLeft:
    return {1, -1};
  case TfcOrientation::fcBottomRight:
    return {-1, -1};
  case TfcOrientation::fcTop:
    return {0, 1};
  case TfcOrientation::fcRight:
    return {-1, 0};
  case TfcOrientation::fcLeft:
    return {1, 0};
  case TfcOrientation::fcBottom:
    return {0, -1};
  }
  return {};
}

TColor ExtrudeLayerColor(TColor nearRgb, TColor farRgb, int i, int depth) {
  if (depth <= 0)
    return nearRgb & 0xFFFFFF;
  auto channel = [&](int n, int f) {
    // The small bias makes the blend round down where a plain rounding would hit one half, so
    // the first layers stay close to the far colour; ties left over round to even.
    const long double v = f + static_cast<long double>(n - f) * i / depth - 0.4999L;
    return std::clamp(static_cast<int>(std::nearbyint(v)), 0, 255);
  };
  return RGBColor(channel(RedOf(nearRgb), RedOf(farRgb)),
                  channel(GreenOf(nearRgb), GreenOf(farRgb)),
                  channel(BlueOf(nearRgb), BlueOf(farRgb)));
}

void TfcTextPart::Changed(bool resizes) const {
  if (FOwner.Invalidate)
    FOwner.Invalidate();
  if (resizes && FOwner.SizeChanged)
    FOwner.SizeChanged();
}

} // namespace widgets
