#pragma once
// The title label and the star button set up as the About window describes them.
#include "../../unit/widgets/about_options.h"
#include "widgets/fc_label.h"
#include "widgets/fc_shape_btn.h"

#include "ui/graphics.h"

namespace widgets::test {

inline void ConfigureAboutTitle(TfcLabel& l) {
  l.SetBounds(12, 366, 282, 33);
  l.SetText(kAboutTitle);
  l.SetColor(ui::clBlack);
  l.Font().SetName("Georgia");
  l.Font().SetHeight(-19);
  l.Font().SetStyle(ui::fsItalic);
  l.Font().SetColor(ui::clWhite);
  l.Font().SetCharset(RUSSIAN_CHARSET);
  ConfigureAboutTitleText(l.TextOptions());
}

inline constexpr TColor kStarFace = 0xFF00AA;

inline void ConfigureAboutStar(TfcShapeBtn& b) {
  b.SetBounds(601, 368, 88, 88);
  b.SetText("Закрыть");
  b.SetShape(TfcButtonShape::bsStar);
  b.SetShadeStyle(TfcShadeStyle::fbsFlat);
  b.SetRoundRectBias(20);
  b.SetColor(kStarFace);
  b.SetDitherColor(clBlue);
  b.Font().SetName("Georgia");
  b.Font().SetHeight(-12);
  b.Font().SetStyle(ui::fsItalic);
  b.Font().SetColor(ui::clWhite);
  b.Font().SetCharset(RUSSIAN_CHARSET);
  b.SetAllowAllUp(true);
  b.SetGroupIndex(9);
  b.SetLayout(TButtonLayout::blGlyphTop);
  b.SetNumGlyphs(2);
  b.SetOffsets(AboutStarOffsets());
  b.SetParentClipping(true);
  b.SetShadeColors(kAboutStarShadeColors);
  b.TextOptions().SetAlignment(TAlignment::taCenter);
  b.TextOptions().SetVAlignment(TfcVAlignment::vaVCenter);
  b.TextOptions().ExtrudeEffects().SetEnabled(true);
  b.TextOptions().ExtrudeEffects().SetDepth(3);
  b.SetTabOrder(2);
}

} // namespace widgets::test
