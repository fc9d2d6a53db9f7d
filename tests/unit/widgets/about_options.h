#pragma once
// The About window's title caption and the star button's bevel colours and caption offsets,
// kept portable so that the native unit tests and the Windows tests set up the same look.
#include "widgets/button_face.h"
#include "widgets/caption_layout.h"
#include "widgets/fc_text.h"

namespace widgets::test {

inline constexpr const char* kAboutTitle = "Проект \"Сорвейн\"";

// Everything of the title's caption but its text and font, which each control takes its own way.
inline void ConfigureAboutTitleText(TfcCaptionText& t) {
  t.SetAlignment(TAlignment::taLeftJustify);
  t.SetVAlignment(TfcVAlignment::vaTop);
  t.SetOptions(
      {TfcTextOption::toShowAccel, TfcTextOption::toShowEllipsis, TfcTextOption::toFullJustify});
  t.SetOutlineColor(clSkyBlue);
  t.SetShadeColor(clSkyBlue);
  t.ExtrudeEffects().SetEnabled(true);
  t.ExtrudeEffects().SetNearColor(clFuchsia);
  t.ExtrudeEffects().SetFarColor(clPurple);
  t.Shadow().SetColor(clPurple);
  t.Shadow().SetXOffset(2);
  t.Shadow().SetYOffset(2);
}

// The red (and blue) of the title's ten extrusion layers, far to near: purple to fuchsia.
inline constexpr int kAboutTitleLayerRed[10] = {140, 153, 166, 178, 191, 204, 216, 229, 242, 255};

// The star button's bevel colours: every edge a different colour, so a test can tell them apart.
inline constexpr TfcShadeColors kAboutStarShadeColors{.BtnHighlight = clYellow,
                                                      .Btn3DLight = clFuchsia,
                                                      .BtnShadow = clSilver,
                                                      .BtnBlack = clTeal,
                                                      .BtnFocus = clAqua,
                                                      .Shadow = clLime};

// How far the star's glyph and caption move while it is down.
inline TfcImgDownOffsets AboutStarOffsets() {
  TfcImgDownOffsets offsets;
  offsets.GlyphY = 6;
  offsets.TextX = 1;
  offsets.TextY = 2;
  return offsets;
}

} // namespace widgets::test
