#pragma once
// Which edges of a figure catch the light. An edge is lit when the figure lies below it (for a
// mostly horizontal edge) or to its right (mostly vertical), so light falls from the upper left.
#include "widgets/fc_types.h"

#include <vector>

namespace widgets {

// Whether pixel (x, y) belongs to the filled polygon under the non-zero winding rule, with the
// window system's convention for pixels on the outline: the left and top boundary belong to the
// figure, the right and bottom one do not. Exact integer arithmetic.
bool PolygonContains(const std::vector<TPoint>& points, int x, int y);

struct TfcBevelEdge {
  TPoint From;
  TPoint To;
  bool Lit = false;
  TPoint Step; // one pixel towards the inside, the direction bevel lines are moved
};

// One entry per segment of the closed outline (point i to point i + 1).
std::vector<TfcBevelEdge> ClassifyBevelEdges(const std::vector<TPoint>& points);

} // namespace widgets
