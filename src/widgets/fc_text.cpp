#include "widgets/fc_text.h"

#include "ui/accel_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace widgets {
namespace {

// Keeps the caption's font selected for one measure or draw, also when drawing throws.
class TFontScope {
public:
  TFontScope(TfcTextCanvas& canvas, const TfcFontRequest& font) : FCanvas(canvas) {
    FCanvas.SelectFont(font);
  }
  ~TFontScope() { FCanvas.ReleaseFont(); }
  TFontScope(const TFontScope&) = delete;
  TFontScope& operator=(const TFontScope&) = delete;

private:
  TfcTextCanvas& FCanvas;
};

bool SameWay(int a, int b) {
  return (a > 0 && b > 0) || (a < 0 && b < 0);
}

// One line of a paragraph wrapped for full justification: its words (views into the caption)
// and its width with single blanks.
struct TWrappedLine {
  std::vector<std::string_view> Words;
  std::vector<int> WordWidths;
  int Natural = 0;
};

std::vector<std::string_view> SplitWords(std::string_view paragraph) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  for (;;) {
    const std::size_t blank = paragraph.find(' ', start);
    words.push_back(paragraph.substr(start, blank - start));
    if (blank == std::string_view::npos)
      return words;
    start = blank + 1;
  }
}

} // namespace

std::vector<std::string_view> SplitCaptionLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos)
      return lines;
    start = end + 2;
  }
}

TfcText::TfcText(TfcTextOwner owner) : FOwner(std::move(owner)) {}

void TfcText::Changed(bool resizes) const {
  if (FOwner.Invalidate)
    FOwner.Invalidate();
  if (resizes && FOwner.SizeChanged)
    FOwner.SizeChanged();
}

bool TfcText::OwnerEnabled() const {
  return !FOwner.IsEnabled || FOwner.IsEnabled();
}

void TfcText::SetRotation(int degrees) {
  FRotation = NormalizeRotation(degrees);
  Changed(true);
}

unsigned TfcText::TextFlags() const {
  unsigned flags = kDtNoClip;
  if (!FOptions.Contains(TfcTextOption::toShowAccel))
    flags |= kDtNoPrefix;
  if (FOptions.Contains(TfcTextOption::toShowEllipsis))
    flags |= kDtEndEllipsis;
  if (FWordWrap)
    flags |= kDtWordBreak;
  if (FRotation == 0) {
    if (FAlignment == TAlignment::taCenter)
      flags |= kDtCenter;
    else if (FAlignment == TAlignment::taRightJustify)
      flags |= kDtRight;
  }
  return flags;
}

TPoint TfcText::ExtrudeExtent() const {
  if (!FExtrudeEffects.Enabled())
    return {};
  const int d = std::max(0, FExtrudeEffects.Depth());
  return {d, d};
}

TPoint TfcText::ShadowExtent() const {
  if (!FShadow.Enabled())
    return {};
  TPoint s{FShadow.XOffset(), FShadow.YOffset()};
  // A shadow on the side the extrusion already trails to falls inside its room.
  if (FExtrudeEffects.Enabled()) {
    const TPoint step = ExtrudeStep(FExtrudeEffects.Orientation());
    if (!SameWay(s.x, step.x))
      s.x = 0;
    if (!SameWay(s.y, step.y))
      s.y = 0;
  }
  return s;
}

std::string TfcText::Shown(std::string_view raw) const {
  return FOptions.Contains(TfcTextOption::toShowAccel) ? ui::StripAccelerators(raw)
                                                       : std::string(raw);
}

int TfcText::ColumnWidth(int boxWidth) const {
  const int outline = FStyle == TfcTextStyle::fclsOutline ? 2 : 0;
  return std::max(1, boxWidth - ExtrudeExtent().x - std::abs(ShadowExtent().x) - outline);
}

namespace {

std::vector<TWrappedLine> WrapWords(TfcTextCanvas& canvas, std::string_view paragraph, int width,
                                    const auto& shown) {
  const int blank = canvas.TextExtent(" ").cx;
  std::vector<TWrappedLine> lines;
  for (std::string_view word : SplitWords(paragraph)) {
    const int w = canvas.TextExtent(shown(word)).cx;
    if (lines.empty() || lines.back().Natural + blank + w > width) {
      // A word wider than the column gets a line of its own and sticks out.
      if (lines.empty() || !lines.back().Words.empty())
        lines.emplace_back();
      lines.back().Words.push_back(word);
      lines.back().WordWidths.push_back(w);
      lines.back().Natural = w;
      continue;
    }
    lines.back().Words.push_back(word);
    lines.back().WordWidths.push_back(w);
    lines.back().Natural += blank + w;
  }
  return lines;
}

} // namespace

TSize TfcText::BlockSize(TfcTextCanvas& canvas) const {
  int w = 0;
  int h = 0;
  bool first = true;
  for (std::string_view line : SplitCaptionLines(FText)) {
    const TSize sz = canvas.TextExtent(Shown(line));
    w = std::max(w, sz.cx);
    h += sz.cy + (first ? 0 : FLineSpacing);
    first = false;
  }
  return {w, h};
}

TSize TfcText::TextSize(TfcTextCanvas& canvas) const {
  if (FRotation != 0) {
    // Turned text takes the room of its turned block of lines (turned text is not wrapped).
    const TSize b = BlockSize(canvas);
    const double a = FRotation * std::numbers::pi / 180;
    const double w = std::abs(b.cx * std::cos(a)) + std::abs(b.cy * std::sin(a));
    const double h = std::abs(b.cx * std::sin(a)) + std::abs(b.cy * std::cos(a));
    return {static_cast<int>(std::ceil(w - 1e-6)) + 1, static_cast<int>(std::ceil(h - 1e-6))};
  }
  const TPoint e = ExtrudeExtent();
  const TPoint s = ShadowExtent();
  const int wrapWidth = FRect.Width() - std::max(e.x, std::abs(s.x));
  const bool justify = FWordWrap && FOptions.Contains(TfcTextOption::toFullJustify);
  const auto shown = [this](std::string_view raw) { return Shown(raw); };
  int w = 0;
  int h = 0;
  bool first = true;
  for (std::string_view line : SplitCaptionLines(FText)) {
    TSize sz;
    if (!FWordWrap) {
      sz = canvas.TextExtent(Shown(line));
    } else if (justify) {
      const std::vector<TWrappedLine> wrapped = WrapWords(canvas, line, wrapWidth, shown);
      for (const TWrappedLine& l : wrapped)
        sz.cx = std::max(sz.cx, l.Natural);
      sz.cy = static_cast<int>(wrapped.size()) * canvas.TextExtent(" ").cy;
    } else {
      sz = canvas.MeasureText(line, wrapWidth, TextFlags());
    }
    w = std::max(w, sz.cx);
    h += sz.cy + (first ? 0 : FLineSpacing);
    first = false;
  }
  return {w + 1, h};
}

TRect TfcText::Box(const TRect& r, TSize text, bool clamp) const {
  const TPoint e = ExtrudeExtent();
  const TPoint sSigned = ShadowExtent();
  // A shadow cast up or left needs as much room as one cast down or right.
  const TPoint s{std::abs(sSigned.x), std::abs(sSigned.y)};
  int left = r.Left + r.Width() / 2 - s.x / 2 - e.x / 2 - text.cx / 2;
  int top = r.Top + r.Height() / 2 - s.y / 2 - e.y / 2 - text.cy / 2;
  int width = text.cx + e.x + s.x;
  int height = text.cy + e.y + s.y;
  if (FStyle == TfcTextStyle::fclsOutline) {
    width += 2;
    height += 2;
  }
  if (clamp) {
    width = std::min(width, std::max(0, r.Width()));
    height = std::min(height, std::max(0, r.Height()));
  }
  left = std::max(left, r.Left);
  top = std::max(top, r.Top);
  return Bounds(left, top, width, height);
}

TRect TfcText::Measure(TfcTextCanvas& canvas, bool clamp) {
  TFontScope font(canvas, MakeFontRequest(FFont, FRotation));
  return Box(FRect, TextSize(canvas), clamp);
}

void TfcText::AlignRect(TSize box) {
  if (FRotation != 0)
    return;
  switch (FAlignment) {
  case TAlignment::taLeftJustify:
    FRect.Right = FRect.Left + box.cx;
    break;
  case TAlignment::taRightJustify:
    FRect.Left = FRect.Right - box.cx;
    break;
  case TAlignment::taCenter:
    break;
  }
  switch (FVAlignment) {
  case TfcVAlignment::vaTop:
    FRect.Bottom = FRect.Top + box.cy;
    break;
  case TfcVAlignment::vaBottom:
    FRect.Top = FRect.Bottom - box.cy;
    break;
  case TfcVAlignment::vaVCenter:
    break;
  }
}

TRect TfcText::LetterRect(TfcTextCanvas& canvas) {
  TRect d = Box(FRect, TextSize(canvas), true);
  if (FStyle == TfcTextStyle::fclsOutline)
    d = d.Offset(1, 1); // room for the outline copies on the upper and left side
  const TPoint s = ShadowExtent();
  return d.Offset(s.x < 0 ? -s.x : 0, s.y < 0 ? -s.y : 0);
}

void TfcText::Draw(TfcTextCanvas& canvas) {
  if (FRotation == 0) {
    const TRect box = Measure(canvas, true);
    AlignRect({box.Width(), box.Height()});
  }
  TFontScope font(canvas, MakeFontRequest(FFont, FRotation));
  const bool enabled = OwnerEnabled();
  TRect d = LetterRect(canvas);

  if (FExtrudeEffects.Enabled()) {
    const TPoint step = ExtrudeStep(FExtrudeEffects.Orientation());
    const int depth = std::max(0, FExtrudeEffects.Depth());
    const int x = depth * std::abs(step.x) / 2;
    const int y = depth * std::abs(step.y) / 2;
    d = d.Offset(x, y).Offset(-step.x * x, -step.y * y);
    const TColor nearRgb = canvas.ColorToRGB(FExtrudeEffects.NearColor());
    const TColor farRgb = canvas.ColorToRGB(FExtrudeEffects.FarColor());
    // Layers from the farthest to the nearest; the letters land on the last one.
    for (int i = 1; i <= depth; ++i) {
      d = d.Offset(step.x, step.y);
      const bool rib = FExtrudeEffects.Striated() && i % 2 == 0 && i != depth;
      DrawTextRect(canvas, d, rib ? farRgb : ExtrudeLayerColor(nearRgb, farRgb, i, depth));
    }
  }
  if (FShadow.Enabled())
    DrawTextRect(canvas, d.Offset(FShadow.XOffset(), FShadow.YOffset()),
                 enabled ? FShadow.Color() : FDisabledColors.ShadeColor());

  // A disabled owner draws in the lowered style with the disabled colours, letters shaded.
  const TfcTextStyle style = enabled ? FStyle : TfcTextStyle::fclsLowered;
  const TColor highlight = enabled ? FHighlightColor : FDisabledColors.HighlightColor();
  const TColor shade = enabled ? FShadeColor : FDisabledColors.ShadeColor();
  switch (style) {
  case TfcTextStyle::fclsLowered: // light falls from the upper left into sunk letters
    DrawTextRect(canvas, d.Offset(-1, -1), shade);
    DrawTextRect(canvas, d.Offset(1, 1), highlight);
    break;
  case TfcTextStyle::fclsRaised:
    DrawTextRect(canvas, d.Offset(-1, -1), highlight);
    DrawTextRect(canvas, d.Offset(1, 1), shade);
    break;
  case TfcTextStyle::fclsOutline:
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (dx != 0 || dy != 0)
          DrawTextRect(canvas, d.Offset(dx, dy), FOutlineColor);
    break;
  case TfcTextStyle::fclsDefault:
    break;
  }
  DrawTextRect(canvas, d, enabled ? FFont.Color : shade);
}

void TfcText::DrawTextRect(TfcTextCanvas& canvas, TRect r, TColor color) {
  const bool wasTransparent = canvas.SetTransparent(true);
  if (FRotation != 0) {
    DrawRotated(canvas, r, color);
  } else {
    const unsigned flags = TextFlags();
    if (FWordWrap) // wrap in the letters' own column, as measured, not over the effects' room
      r.Right = r.Left + ColumnWidth(r.Width());
    const bool justify = FWordWrap && FOptions.Contains(TfcTextOption::toFullJustify);
    for (std::string_view line : SplitCaptionLines(FText)) {
      int h;
      if (justify) {
        h = DrawJustified(canvas, line, r, color);
      } else {
        canvas.PaintText(line, r, flags, color);
        h = canvas.MeasureText(line, r.Width(), flags).cy;
      }
      r = r.Offset(0, h + FLineSpacing);
    }
  }
  canvas.SetTransparent(wasTransparent);
}

int TfcText::DrawJustified(TfcTextCanvas& canvas, std::string_view paragraph, const TRect& r,
                           TColor color) {
  const auto shown = [this](std::string_view raw) { return Shown(raw); };
  const std::vector<TWrappedLine> lines = WrapWords(canvas, paragraph, r.Width(), shown);
  const int lineHeight = canvas.TextExtent(" ").cy;
  const int blank = canvas.TextExtent(" ").cx;
  // The column is one pixel wider than the widest line (see TextSize); stretch to that line.
  const int target = r.Width() - 1;
  const unsigned flags = TextFlags() & ~(kDtCenter | kDtRight | kDtWordBreak | kDtEndEllipsis);
  int y = r.Top;
  for (std::size_t n = 0; n < lines.size(); ++n, y += lineHeight) {
    const TWrappedLine& l = lines[n];
    if (l.Words.empty())
      continue;
    if (n + 1 < lines.size() && l.Words.size() > 1) {
      const int gaps = static_cast<int>(l.Words.size()) - 1;
      const int extra = std::max(0, target - l.Natural);
      int x = r.Left;
      for (int j = 0; j <= gaps; ++j) {
        canvas.PaintText(l.Words[j], TRect{x, y, x + l.WordWidths[j], y + lineHeight}, flags,
                         color);
        x += l.WordWidths[j] + blank + extra / gaps + (j < extra % gaps ? 1 : 0);
      }
      continue;
    }
    // The last line of a paragraph keeps its blanks and follows the alignment.
    int x = r.Left;
    if (FAlignment == TAlignment::taCenter)
      x += std::max(0, target - l.Natural) / 2;
    else if (FAlignment == TAlignment::taRightJustify)
      x += std::max(0, target - l.Natural);
    const char* begin = l.Words.front().data();
    const std::string_view whole(begin, l.Words.back().data() + l.Words.back().size() - begin);
    canvas.PaintText(whole, TRect{x, y, x + l.Natural, y + lineHeight}, flags, color);
  }
  return static_cast<int>(lines.size()) * lineHeight;
}

void TfcText::DrawRotated(TfcTextCanvas& canvas, const TRect& r, TColor color) {
  // The block of lines is turned about its centre, which sits at the centre of the turned
  // block's bounding box; each line starts at its turned top-left corner.
  const TSize block = BlockSize(canvas);
  const double a = FRotation * std::numbers::pi / 180;
  const double cs = std::cos(a);
  const double sn = std::sin(a);
  const double cx = r.Left + (std::abs(block.cx * cs) + std::abs(block.cy * sn)) / 2;
  const double cy = r.Top + (std::abs(block.cx * sn) + std::abs(block.cy * cs)) / 2;
  double ly = 0;
  for (std::string_view raw : SplitCaptionLines(FText)) {
    const std::string line = Shown(raw);
    const TSize sz = canvas.TextExtent(line);
    double lx = 0;
    if (FAlignment == TAlignment::taCenter)
      lx = (block.cx - sz.cx) / 2.0;
    else if (FAlignment == TAlignment::taRightJustify)
      lx = block.cx - sz.cx;
    const double vx = lx - block.cx / 2.0;
    const double vy = ly - block.cy / 2.0;
    const TPoint origin{static_cast<int>(std::lround(cx + vx * cs + vy * sn)),
                        static_cast<int>(std::lround(cy - vx * sn + vy * cs))};
    canvas.PaintTextAt(line, origin, color);
    ly += sz.cy + FLineSpacing;
  }
}

} // namespace widgets
