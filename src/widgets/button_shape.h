#pragma once
// The outline of a shaped button as one closed polygon in the button's own pixel coordinates.
// Every figure, curved ones included, becomes a polygon so that the face, the bevel and the
// window region all follow the same outline.
#include "widgets/fc_types.h"

#include <vector>

namespace widgets {

enum class TfcButtonShape {
  bsRoundRect,
  bsEllipse,
  bsTriangle,
  bsArrow,
  bsDiamond,
  bsRect,
  bsStar,
  bsTrapezoid,
  bsCustom
};

enum class TfcShapeOrientation { soLeft, soRight, soUp, soDown };

// The five-pointed star pointing up for a button of width w and height h: ten corners from the
// top tip clockwise plus the first again. Its size follows the height; the side tips touch the
// left and right edges whatever the width.
std::vector<TPoint> StarPoints(int width, int height);

// Turns an upward figure to the orientation by quarter turns, each mapping (x, y) to
// (W - W*y div H, H*x div W), so the figure keeps filling the same rectangle.
std::vector<TPoint> OrientPoints(std::vector<TPoint> points, TfcShapeOrientation orientation,
                                 int width, int height);

// The closed outline (first point repeated last) of a figure in a width x height button; empty
// when either side is not positive. `roundRectBias` is the corner diameter of bsRoundRect;
// `custom` is the bsCustom point list (fewer than three points fall back to the rectangle).
std::vector<TPoint> ShapePoints(TfcButtonShape shape, TfcShapeOrientation orientation, int width,
                                int height, int roundRectBias = 25,
                                const std::vector<TPoint>& custom = {});

} // namespace widgets
