#include "widgets/fc_shape_btn.h"

#include "ui/graphics.h"

namespace widgets {
namespace {

COLORREF Rgb(TColor color) {
  return static_cast<COLORREF>(ui::ColorToRGB(color));
}

// One-pixel checkerboard: rows of alternate bits, shifted by one on every other row.
ui::UniqueBrush CheckerBrush() {
  static constexpr WORD kRows[8] = {0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555};
  ui::UniqueBitmap pattern(CreateBitmap(8, 8, 1, 1, kRows));
  return ui::UniqueBrush(CreatePatternBrush(pattern.get())); // the brush keeps its own copy
}

} // namespace

TfcCustomShapeBtn::TfcCustomShapeBtn(ui::TComponent* owner) : TfcCustomImageBtn(owner) {}

// The window goes while the figure can still be drawn.
TfcCustomShapeBtn::~TfcCustomShapeBtn() {
  DestroyHandle();
}

void TfcCustomShapeBtn::SetShape(TfcButtonShape v) {
  if (SetIfChanged(FShape, v))
    RecomputeRegion();
}

void TfcCustomShapeBtn::SetOrientation(TfcShapeOrientation v) {
  if (SetIfChanged(FOrientation, v))
    RecomputeRegion();
}

void TfcCustomShapeBtn::SetRoundRectBias(int v) {
  if (SetIfChanged(FRoundRectBias, v))
    RecomputeRegion();
}

void TfcCustomShapeBtn::SetPointList(const std::vector<TPoint>& points) {
  FPointList = points;
  RecomputeRegion();
}

std::vector<TPoint> TfcCustomShapeBtn::PolygonPoints() {
  const RECT client = ClientRect();
  return ShapePoints(FShape, FOrientation, client.right, client.bottom, FRoundRectBias, FPointList);
}

void TfcCustomShapeBtn::DrawFace(HDC dc, int width, int height, bool maskOnly, TfcShadeStyle style,
                                 bool down) {
  if (width <= 0 || height <= 0)
    return;
  const TColor face = FaceColor();
  const bool bevel = IsBevelWanted(style, false, IsMouseOver(), Enabled(), down);

  const RECT all{0, 0, width, height};
  ui::UniqueBrush key(CreateSolidBrush(static_cast<COLORREF>(KeyColorFor(face))));
  FillRect(dc, &all, key.get());

  // The mask is the plain figure: a checkerboard or outline that happened to use the key
  // colour must not punch holes into the window region.
  const bool checker = !maskOnly && down && DitherColor() != clNone && GroupIndex() != 0;
  const bool outlined = !maskOnly && bevel && DitherColor() != clNone;
  ui::UniqueBrush brush(checker ? CheckerBrush()
                                : ui::UniqueBrush(CreateSolidBrush(static_cast<COLORREF>(face))));
  ui::UniquePen pen(
      CreatePen(PS_SOLID, 1, outlined ? Rgb(DitherColor()) : static_cast<COLORREF>(face)));
  if (checker) {
    SetBkColor(dc, Rgb(DitherColor()));
    SetTextColor(dc, static_cast<COLORREF>(face));
  }
  const std::vector<TPoint> points =
      ShapePoints(FShape, FOrientation, width, height, FRoundRectBias, FPointList);
  std::vector<POINT> corners;
  for (const TPoint& p : points)
    corners.push_back({p.x, p.y});
  {
    ui::ScopedSelect selectedBrush(dc, brush.get());
    ui::ScopedSelect selectedPen(dc, pen.get());
    SetPolyFillMode(dc, WINDING);
    Polygon(dc, corners.data(), static_cast<int>(corners.size()));
  }
  if (!bevel || maskOnly)
    return;
  const bool emphasised = Focused() || Default();
  for (const TfcBevelLine& line : BevelLines(points, ShadeColors(), down, emphasised)) {
    ui::UniquePen linePen(CreatePen(PS_SOLID, 1, Rgb(line.Color)));
    ui::ScopedSelect selected(dc, linePen.get());
    MoveToEx(dc, line.From.x, line.From.y, nullptr);
    LineTo(dc, line.To.x, line.To.y);
  }
}

} // namespace widgets
