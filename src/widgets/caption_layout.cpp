#include "widgets/caption_layout.h"

#include <algorithm>

namespace widgets {

TfcCaptionPlacement LayoutCaption(const TfcCaptionLayoutInput& in) {
  const auto px = [&in](int designed) { return ui::ScaleToDpi(designed, in.Dpi); };
  const int tw = in.Text.cx;
  const int th = in.Text.cy;
  const int gw = in.Glyph.cx;
  const int gh = in.Glyph.cy;
  const bool hasGlyph = gw > 0 && gh > 0;
  const int s0 = in.HasCaption && hasGlyph ? px(in.Spacing) : 0;
  const int m = px(in.Margin == -1 ? 4 : in.Margin);

  TPoint anchor{in.Client.cx / 2, in.Client.cy / 2};
  if (in.Alignment == TAlignment::taLeftJustify)
    anchor.x = (tw + gw + s0) / 2 + m;
  else if (in.Alignment == TAlignment::taRightJustify)
    anchor.x = in.Client.cx - m - (tw + gw + s0) / 2;

  // Without a glyph the caption moves up a little from the middle (a negative spacing).
  const int s = hasGlyph ? s0 : (s0 - px(6)) / 2;
  TPoint g; // top-left corners
  TPoint t;
  switch (in.Layout) {
  case TButtonLayout::blGlyphTop: {
    const int v = s + (gh + 1) + th;
    g = {anchor.x - gw / 2, anchor.y - v / 2};
    t = {anchor.x - tw / 2, anchor.y - v / 2 + s + gh};
    break;
  }
  case TButtonLayout::blGlyphBottom: {
    const int v = s + (gh + 1) + th;
    t = {anchor.x - tw / 2, anchor.y - v / 2};
    g = {anchor.x - gw / 2, anchor.y - v / 2 + s + th};
    break;
  }
  case TButtonLayout::blGlyphLeft: {
    const int u = s + gw + tw;
    g = {anchor.x - u / 2, anchor.y - gh / 2};
    t = {anchor.x - u / 2 + gw + s, anchor.y - th / 2};
    break;
  }
  case TButtonLayout::blGlyphRight: {
    const int u = s + gw + tw;
    t = {anchor.x - u / 2, anchor.y - th / 2};
    g = {anchor.x - u / 2 + tw + s, anchor.y - gh / 2};
    break;
  }
  }
  const TfcImgDownOffsets& o = in.Offsets;
  t = {t.x + px(o.TextX), t.y + px(o.TextY)};
  g = {g.x + px(o.GlyphX), g.y + px(o.GlyphY)};
  if (in.Down) {
    t = {t.x + px(o.TextDownX), t.y + px(o.TextDownY)};
    g = {g.x + px(o.TextDownX), g.y + px(o.TextDownY)};
  }

  TfcCaptionPlacement p;
  p.Glyph = Bounds(g.x, g.y, gw, gh);
  const TRect text = Bounds(t.x, t.y, tw, th);
  const TRect area{px(2), px(2), in.Client.cx - px(2), in.Client.cy - px(2)};
  p.Caption = {std::max(text.Left, area.Left), std::max(text.Top, area.Top),
               std::min(text.Right, area.Right), std::min(text.Bottom, area.Bottom)};
  const TRect both =
      hasGlyph ? TRect{std::min(text.Left, p.Glyph.Left), std::min(text.Top, p.Glyph.Top),
                       std::max(text.Right, p.Glyph.Right), std::max(text.Bottom, p.Glyph.Bottom)}
               : text;
  p.Focus = both.Inflate(px(2), px(2));
  return p;
}

} // namespace widgets
