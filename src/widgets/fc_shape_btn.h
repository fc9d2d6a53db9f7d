#pragma once
// The shaped button: a push button with the outline of a figure (a star, an arrow, a custom
// polygon ...) in one of four orientations, its window cut to that figure.
#include "widgets/button_shape.h"
#include "widgets/fc_image_btn.h"

#include <vector>

namespace widgets {

class TfcCustomShapeBtn : public TfcCustomImageBtn {
public:
  explicit TfcCustomShapeBtn(ui::TComponent* owner);
  ~TfcCustomShapeBtn() override;

  // The figure's closed outline for the button's present size.
  std::vector<TPoint> PolygonPoints();

protected:
  TfcButtonShape Shape() const { return FShape; }
  void SetShape(TfcButtonShape v);
  TfcShapeOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TfcShapeOrientation v);
  int RoundRectBias() const { return FRoundRectBias; }
  void SetRoundRectBias(int v);
  // The corners of a bsCustom figure, in button pixels.
  const std::vector<TPoint>& PointList() const { return FPointList; }
  void SetPointList(const std::vector<TPoint>& points);

  void DrawFace(HDC dc, int width, int height, bool maskOnly, TfcShadeStyle style,
                bool down) override;

private:
  TfcButtonShape FShape = TfcButtonShape::bsRect;
  TfcShapeOrientation FOrientation = TfcShapeOrientation::soUp;
  int FRoundRectBias = 25;
  std::vector<TPoint> FPointList;
};

class TfcShapeBtn : public TfcCustomShapeBtn {
public:
  using TfcCustomShapeBtn::AllowAllUp;
  using TfcCustomShapeBtn::Cancel;
  using TfcCustomShapeBtn::Default;
  using TfcCustomShapeBtn::DitherColor;
  using TfcCustomShapeBtn::Down;
  using TfcCustomShapeBtn::Glyph;
  using TfcCustomShapeBtn::GroupIndex;
  using TfcCustomShapeBtn::Kind;
  using TfcCustomShapeBtn::Layout;
  using TfcCustomShapeBtn::Margin;
  using TfcCustomShapeBtn::ModalResult;
  using TfcCustomShapeBtn::NumGlyphs;
  using TfcCustomShapeBtn::Offsets;
  using TfcCustomShapeBtn::Options;
  using TfcCustomShapeBtn::Orientation;
  using TfcCustomShapeBtn::ParentClipping;
  using TfcCustomShapeBtn::PointList;
  using TfcCustomShapeBtn::RoundRectBias;
  using TfcCustomShapeBtn::SetAllowAllUp;
  using TfcCustomShapeBtn::SetCancel;
  using TfcCustomShapeBtn::SetDefault;
  using TfcCustomShapeBtn::SetDitherColor;
  using TfcCustomShapeBtn::SetDown;
  using TfcCustomShapeBtn::SetGlyph;
  using TfcCustomShapeBtn::SetGroupIndex;
  using TfcCustomShapeBtn::SetKind;
  using TfcCustomShapeBtn::SetLayout;
  using TfcCustomShapeBtn::SetMargin;
  using TfcCustomShapeBtn::SetModalResult;
  using TfcCustomShapeBtn::SetNumGlyphs;
  using TfcCustomShapeBtn::SetOffsets;
  using TfcCustomShapeBtn::SetOptions;
  using TfcCustomShapeBtn::SetOrientation;
  using TfcCustomShapeBtn::SetParentClipping;
  using TfcCustomShapeBtn::SetPointList;
  using TfcCustomShapeBtn::SetRoundRectBias;
  using TfcCustomShapeBtn::SetShadeColors;
  using TfcCustomShapeBtn::SetShadeStyle;
  using TfcCustomShapeBtn::SetShape;
  using TfcCustomShapeBtn::SetSmoothFont;
  using TfcCustomShapeBtn::SetSpacing;
  using TfcCustomShapeBtn::ShadeColors;
  using TfcCustomShapeBtn::ShadeStyle;
  using TfcCustomShapeBtn::Shape;
  using TfcCustomShapeBtn::SmoothFont;
  using TfcCustomShapeBtn::Spacing;
  using TfcCustomShapeBtn::TextOptions;
  using TfcCustomShapeBtn::TfcCustomShapeBtn;
};

} // namespace widgets
