#pragma once
// The rules of a shaped button's face that need no window: the key colour that marks the
// outside of the figure, when a bevel is drawn, and the bevel's lines with their colours.
#include "widgets/bevel_edges.h"
#include "widgets/fc_types.h"

#include <vector>

namespace widgets {

enum class TfcShadeStyle { fbsNormal, fbsRaised, fbsHighlight, fbsFlat };

// The six edge colours, in their published order.
struct TfcShadeColors {
  TColor BtnHighlight = clBtnHighlight;
  TColor Btn3DLight = cl3DLight;
  TColor BtnShadow = clBtnShadow;
  TColor BtnBlack = clBlack;
  TColor BtnFocus = clBlack;
  TColor Shadow = clBlack;
  friend bool operator==(const TfcShadeColors&, const TfcShadeColors&) = default;
};

// The colour the off-screen face is filled with before the figure is drawn: pure red, or pure
// blue for a pure red face, so that the face can always be told from the outside. `faceRgb` is
// the face colour already resolved to red, green and blue.
constexpr TColor KeyColorFor(TColor faceRgb) {
  return (faceRgb & 0xFFFFFF) == clRed ? clBlue : clRed;
}

// A flat button shows its bevel only while it matters: at design time, under an enabled mouse,
// or while down. The other styles always bevel.
constexpr bool IsBevelWanted(TfcShadeStyle style, bool designing, bool hovered, bool enabled,
                             bool down) {
  return style != TfcShadeStyle::fbsFlat || designing || (hovered && enabled) || down;
}

struct TfcBevelLine {
  TPoint From;
  TPoint To;
  TColor Color = clBlack;
};

// The bevel of a closed outline, in drawing order: the inner pass, the outer pass and, for a
// focused or default button (`emphasised`), the outline itself in the focus colour. The passes
// are moved inwards by one more pixel when emphasised, leaving room for the focus line.
std::vector<TfcBevelLine> BevelLines(const std::vector<TPoint>& points,
                                     const TfcShadeColors& colors, bool down, bool emphasised);

} // namespace widgets
