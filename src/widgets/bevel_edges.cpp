#include "widgets/bevel_edges.h"

#include <algorithm>
#include <cstdlib>

namespace widgets {

bool PolygonContains(const std::vector<TPoint>& points, int x, int y) {
  // The pixel is sampled at (x + e, y + e*e) for a vanishing e: a horizontal ray from there
  // never passes through a corner, and a pixel on an edge counts as lying just right of and
  // below it, which gives exactly the top/left-inclusive convention.
  long long winding = 0;
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i) {
    const TPoint a = points[i];
    const TPoint b = points[(i + 1) % n];
    if (a.y == b.y || y < std::min(a.y, b.y) || y >= std::max(a.y, b.y))
      continue;
    const long long dy = b.y - a.y;
    // Sign of (crossing x - sample x) times dy; zero means the pixel sits on the edge.
    const long long num =
        static_cast<long long>(y - a.y) * (b.x - a.x) + static_cast<long long>(a.x - x) * dy;
    if ((dy > 0 && num > 0) || (dy < 0 && num < 0))
      winding += dy > 0 ? 1 : -1;
  }
  return winding != 0;
}

std::vector<TfcBevelEdge> ClassifyBevelEdges(const std::vector<TPoint>& points) {
  std::vector<TfcBevelEdge> edges;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const TPoint p0 = points[i];
    const TPoint p1 = points[i + 1];
    const int dx = std::abs(p1.x - p0.x);
    const int dy = std::abs(p1.y - p0.y);
    const TPoint m{p0.x + (p1.x - p0.x) / 2, p0.y + (p1.y - p0.y) / 2};
    TfcBevelEdge e{p0, p1, false, {}};
    if (dy < dx) {
      e.Lit = PolygonContains(points, m.x, m.y + 1);
      e.Step = {0, e.Lit ? 1 : -1};
    } else {
      e.Lit = PolygonContains(points, m.x + 1, m.y);
      e.Step = {e.Lit ? 1 : -1, 0};
    }
    // Axis-parallel edges also step along their own direction so that the moved lines of two
    // neighbouring edges still meet at the corner.
    if (dx == 0)
      e.Step.y = PolygonContains(points, p0.x, std::max(p0.y, p1.y) + 1) ? 1 : -1;
    else if (dy == 0)
      e.Step.x = PolygonContains(points, std::max(p0.x, p1.x), p0.y) ? 1 : -1;
    edges.push_back(e);
  }
  return edges;
}

} // namespace widgets
