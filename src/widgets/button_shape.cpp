#include "widgets/button_shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace widgets {
namespace {

int Trunc(long double v) {
  return static_cast<int>(v);
}

std::vector<TPoint> Closed(std::vector<TPoint> points) {
  if (!points.empty() && !(points.front() == points.back()))
    points.push_back(points.front());
  return points;
}

TPoint QuarterTurn(TPoint p, int w, int h) {
  return {w - w * p.y / h, h * p.x / w};
}

// Corner arcs of a rounded rectangle, clockwise from the top edge; `d` is the corner diameter.
std::vector<TPoint> RoundRectPoints(int w, int h, int d) {
  const double rx = std::min(d, w) / 2.0;
  const double ry = std::min(d, h) / 2.0;
  if (rx < 1 || ry < 1)
    return {{0, 0}, {w, 0}, {w, h}, {0, h}};
  constexpr int kArcSteps = 6;
  // Corner centres in clockwise order, starting top right; each arc spans a quarter turn.
  const double cx[4] = {w - rx, w - rx, rx, rx};
  const double cy[4] = {ry, h - ry, h - ry, ry};
  std::vector<TPoint> points;
  for (int corner = 0; corner < 4; ++corner) {
    for (int i = 0; i <= kArcSteps; ++i) {
      const double a = std::numbers::pi / 2 * (corner - 1 + double(i) / kArcSteps);
      const TPoint p{int(std::lround(cx[corner] + rx * std::cos(a))),
                     int(std::lround(cy[corner] + ry * std::sin(a)))};
      if (points.empty() || !(points.back() == p))
        points.push_back(p);
    }
  }
  return points;
}

std::vector<TPoint> EllipsePoints(int w, int h) {
  // Enough corners that no straight piece is longer than a few pixels on a large button.
  const int steps = std::clamp((w + h) / 3, 16, 128);
  std::vector<TPoint> points;
  for (int i = 0; i < steps; ++i) {
    const double a = 2 * std::numbers::pi * i / steps;
    const TPoint p{int(std::lround(w / 2.0 + w / 2.0 * std::sin(a))),
                   int(std::lround(h / 2.0 - h / 2.0 * std::cos(a)))};
    if (points.empty() || !(points.back() == p))
      points.push_back(p);
  }
  return points;
}

} // namespace

std::vector<TPoint> StarPoints(int width, int height) {
  const int w = width - 1;
  const int h = height - 1;
  const long double a18 = std::numbers::pi_v<long double> / 10;
  const long double a36 = 2 * a18;
  const int c = Trunc(h / std::cos(a18));           // one stroke, top tip to a bottom tip
  const int d = Trunc(c / (2 * std::sin(a18) + 2)); // a tip's side: the stroke over phi squared
  const int b = c - 2 * d;                          // side of the inner pentagon
  const int e = Trunc(std::cos(a18) * d);
  const int f = Trunc(h * std::tan(a18));

  std::vector<TPoint> p(11);
  p[0] = {w / 2, 0};
  p[1] = {w / 2 + b / 2, e};
  p[2] = {w, p[1].y};
  p[3] = {p[1].x + Trunc(b * std::sin(a18)), p[1].y + Trunc(b * std::cos(a18))};
  p[4] = {w / 2 + f, h};
  p[5] = {w / 2, h - Trunc(d * std::sin(a36))};
  p[6] = {w / 2 - f, h};
  p[7] = {w - p[3].x, p[3].y};
  p[8] = {0, p[2].y};
  p[9] = {w - p[1].x, p[1].y};
  p[10] = p[0];
  return p;
}

std::vector<TPoint> OrientPoints(std::vector<TPoint> points, TfcShapeOrientation orientation,
                                 int width, int height) {
  const int w = width - 1;
  const int h = height - 1;
  // Quarter turns clockwise from pointing up, in the order soLeft, soRight, soUp, soDown.
  static constexpr int kTurns[] = {3, 1, 0, 2};
  const int turns = kTurns[static_cast<int>(orientation)];
  // A one-pixel-wide or -high button has nothing to turn (and the mapping would divide by 0).
  if (w <= 0 || h <= 0)
    return points;
  for (int t = 0; t < turns; ++t)
    for (TPoint& p : points)
      p = QuarterTurn(p, w, h);
  return points;
}

std::vector<TPoint> ShapePoints(TfcButtonShape shape, TfcShapeOrientation orientation, int width,
                                int height, int roundRectBias, const std::vector<TPoint>& custom) {
  if (width <= 0 || height <= 0)
    return {};
  const int w = width - 1;
  const int h = height - 1;
  std::vector<TPoint> up;
  switch (shape) {
  case TfcButtonShape::bsStar:
    up = StarPoints(width, height);
    break;
  case TfcButtonShape::bsTriangle:
    up = {{w / 2, 0}, {w, h}, {0, h}};
    break;
  case TfcButtonShape::bsDiamond:
    up = {{w / 2, 0}, {w, h / 2}, {w / 2, h}, {0, h / 2}};
    break;
  case TfcButtonShape::bsTrapezoid:
    up = {{w / 4, 0}, {w - w / 4, 0}, {w, h}, {0, h}};
    break;
  case TfcButtonShape::bsArrow: // head over the upper half, shaft half as wide below it
    up = {{w / 2, 0}, {w, h / 2},     {w - w / 4, h / 2}, {w - w / 4, h},
          {w / 4, h}, {w / 4, h / 2}, {0, h / 2}};
    break;
  case TfcButtonShape::bsCustom:
    if (custom.size() >= 3) {
      up = custom;
      break;
    }
    [[fallthrough]];
  case TfcButtonShape::bsRect:
    up = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    break;
  // Round figures look the same in every orientation, so they are not turned.
  case TfcButtonShape::bsRoundRect:
    return Closed(RoundRectPoints(w, h, roundRectBias));
  case TfcButtonShape::bsEllipse:
    return Closed(EllipsePoints(w, h));
  }
  return Closed(OrientPoints(std::move(up), orientation, width, height));
}

} // namespace widgets
