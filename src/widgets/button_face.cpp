#include "widgets/button_face.h"

namespace widgets {

std::vector<TfcBevelLine> BevelLines(const std::vector<TPoint>& points,
                                     const TfcShadeColors& colors, bool down, bool emphasised) {
  const std::vector<TfcBevelEdge> edges = ClassifyBevelEdges(points);
  const int k = emphasised ? 1 : 0;
  std::vector<TfcBevelLine> lines;
  auto pass = [&](int distance, TColor towardsShade, TColor towardsLight) {
    for (const TfcBevelEdge& e : edges) {
      const TPoint d{e.Step.x * distance, e.Step.y * distance};
      // A down button swaps light and shade, so its face looks pressed in.
      lines.push_back({{e.From.x + d.x, e.From.y + d.y},
                       {e.To.x + d.x, e.To.y + d.y},
                       e.Lit == down ? towardsShade : towardsLight});
    }
  };
  pass(k + 1, colors.BtnShadow, colors.Btn3DLight);
  pass(k, colors.BtnBlack, colors.BtnHighlight);
  if (emphasised)
    for (const TfcBevelEdge& e : edges)
      lines.push_back({e.From, e.To, colors.BtnFocus});
  return lines;
}

} // namespace widgets
