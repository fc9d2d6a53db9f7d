#include "glview/mouse_drag.h"

#include <algorithm>

namespace glview {

TDragStep ComputeDragStep(int dragX, int dragY, int x, int y, int width, int height, bool shift,
                          bool ctrl) {
  TDragStep step;
  if (width <= 0 || height <= 0)
    return step;
  // Quotients in double, rounded once to the matrices' 32-bit floats.
  const double w = width;
  const double h = height;
  if (shift) {
    step.Zoom = true;
    step.ZoomFactor = std::max(static_cast<float>((dragY - y) / h * 0.7 + 1.0), kMinZoomFactor);
  }
  if (ctrl) {
    step.Pan = true;
    step.PanX = static_cast<float>((x - dragX) / w);
    step.PanY = static_cast<float>((dragY - y) / h);
  }
  if (!shift && !ctrl) {
    step.Rotate = true;
    step.AngleY = static_cast<float>((dragX - x) / w * 180.0);
    step.AngleX = static_cast<float>((dragY - y) / h * 180.0);
  }
  return step;
}

} // namespace glview
