#include "about_options.h"
#include "fake_text_canvas.h"
#include "widgets/fc_text.h"

#include <gtest/gtest.h>

namespace widgets {
namespace {

using fake::TFakeTextCanvas;
using fake::TPainted;
using enum TfcTextOption;

using test::kAboutTitle; // 16 bytes: 128 pixels of the fake font

// The title label of the About window.
void ConfigureAboutTitle(TfcCaptionText& t) {
  test::ConfigureAboutTitleText(t);
  t.SetText(kAboutTitle);
  TfcFontSpec font;
  font.Name = "Georgia";
  font.Height = -19;
  font.Italic = true;
  font.Color = clWhite;
  font.Charset = kRussianCharset;
  t.SetFont(font);
}

TEST(CaptionText, SettersRepaintAndReportSizeChanges) {
  int repaints = 0;
  int resizes = 0;
  TfcCaptionText t({[&] { ++repaints; }, [&] { ++resizes; }, nullptr});
  t.ExtrudeEffects().SetNearColor(clFuchsia); // colour: repaint only
  EXPECT_EQ(repaints, 1);
  EXPECT_EQ(resizes, 0);
  t.ExtrudeEffects().SetDepth(3);
  t.Shadow().SetXOffset(2);
  t.SetLineSpacing(0);
  t.SetOptions({});
  EXPECT_EQ(repaints, 5);
  EXPECT_EQ(resizes, 4);
  t.ExtrudeEffects().SetDepth(3); // unchanged values are not stored again
  t.SetAlignment(TAlignment::taLeftJustify);
  EXPECT_EQ(repaints, 5);
  t.SetRotation(0); // rotation is always taken
  EXPECT_EQ(repaints, 6);
  EXPECT_EQ(resizes, 5);
}

TEST(CaptionText, RotationFoldsIntoOneTurn) {
  TfcCaptionText t;
  const std::pair<int, int> cases[] = {{370, 10}, {360, 0},  {-90, 270}, {-360, 0},
                                       {-720, 0}, {-1, 359}, {45, 45}};
  for (auto [given, stored] : cases) {
    t.SetRotation(given);
    EXPECT_EQ(t.Rotation(), stored) << given;
  }
}

TEST(CaptionText, FontMadeForEachMeasureAndDraw) {
  TfcCaptionText t;
  ConfigureAboutTitle(t);
  TfcFontRequest f = MakeFontRequest(t.Font(), 0);
  EXPECT_EQ(f.Height, -19);
  EXPECT_TRUE(f.Italic);
  EXPECT_EQ(f.CharSet, kRussianCharset);
  EXPECT_EQ(f.OutPrecision, 4);
  EXPECT_EQ(f.FaceName, "Georgia");
  TfcFontSpec bold;
  bold.Bold = true;
  f = MakeFontRequest(bold, 90);
  EXPECT_EQ(f.Weight, 700);
  EXPECT_EQ(f.CharSet, 0); // the default character set goes as 0
  EXPECT_EQ(f.Escapement, 900);
  EXPECT_EQ(f.Orientation, 900);
  EXPECT_EQ(f.OutPrecision, 7);

  TFakeTextCanvas c;
  t.SetRect({0, 0, 282, 33});
  t.Draw(c);
  EXPECT_EQ(c.Fonts.size(), 2u); // one to align, one to draw
  EXPECT_EQ(c.Selected, 0);      // and both released
  EXPECT_FALSE(c.Transparent);   // background mode restored
}

TEST(CaptionText, AboutTitleLayersThenLetters) {
  TfcCaptionText t;
  ConfigureAboutTitle(t);
  TFakeTextCanvas c;
  t.SetRect({0, 0, 282, 33});
  // 128 + 1 + 10 by 20 + 10, centred in R; drawing then aligns it to the upper left corner.
  EXPECT_EQ(t.Measure(c, false), Bounds(72, 1, 139, 30));
  t.Draw(c);
  ASSERT_EQ(c.Painted.size(), 11u);
  for (int i = 0; i < 10; ++i) {
    const TPainted& p = c.Painted[i];
    EXPECT_EQ(p.Color, RGBColor(test::kAboutTitleLayerRed[i], 0, test::kAboutTitleLayerRed[i]))
        << "layer " << i;
    EXPECT_EQ(p.Rect, (TRect{0, 0, 139, 30}).Offset(9 - i, 9 - i)) << "layer " << i;
    EXPECT_EQ(p.Text, kAboutTitle);
    EXPECT_EQ(p.Format, kDtNoClip | kDtEndEllipsis);
  }
  EXPECT_EQ(c.Painted[10].Color, clWhite);
  EXPECT_EQ(c.Painted[10].Rect, (TRect{0, 0, 139, 30}));

  // The disabled shadow's settings change neither the size nor the drawing.
  TfcCaptionText u;
  ConfigureAboutTitle(u);
  u.Shadow().SetXOffset(7);
  u.Shadow().SetYOffset(-4);
  u.Shadow().SetColor(clLime);
  TFakeTextCanvas c2;
  u.SetRect({0, 0, 282, 33});
  EXPECT_EQ(u.Measure(c2, false), Bounds(72, 1, 139, 30));
  u.Draw(c2);
  ASSERT_EQ(c2.Painted.size(), c.Painted.size());
  for (std::size_t i = 0; i < c.Painted.size(); ++i) {
    EXPECT_EQ(c2.Painted[i].Rect, c.Painted[i].Rect);
    EXPECT_EQ(c2.Painted[i].Color, c.Painted[i].Color);
  }
}

TEST(CaptionText, ButtonCaptionThreeBlackLayers) {
  TfcCaptionText t;
  t.SetAlignment(TAlignment::taCenter);
  t.SetVAlignment(TfcVAlignment::vaVCenter);
  t.ExtrudeEffects().SetEnabled(true);
  t.ExtrudeEffects().SetDepth(3);
  t.SetText("Закрыть");
  TfcFontSpec font;
  font.Color = clWhite;
  t.SetFont(font);
  TFakeTextCanvas c;
  t.SetRect({2, 2, 86, 86});
  const TRect measured = t.Measure(c, false);
  EXPECT_EQ(measured, Bounds(15, 33, 60, 23)); // 56 + 1 + 3 by 20 + 3, centred
  t.SetRect({15, 33, 75, 56});
  const TRect d = t.Measure(c, true);
  t.Draw(c);
  ASSERT_EQ(c.Painted.size(), 4u);
  EXPECT_EQ(c.Painted[0].Rect, d.Offset(1, 1));
  EXPECT_EQ(c.Painted[1].Rect, d);
  EXPECT_EQ(c.Painted[2].Rect, d.Offset(-1, -1));
  EXPECT_EQ(c.Painted[3].Rect, d.Offset(-1, -1));
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(c.Painted[i].Color, clBlack);
  EXPECT_EQ(c.Painted[3].Color, clWhite);
  EXPECT_EQ(c.Painted[3].Format, kDtNoClip | kDtCenter);
}

TEST(CaptionText, ExtrusionStepsAndBlend) {
  using enum TfcOrientation;
  EXPECT_EQ(ExtrudeStep(fcBottomRight), (TPoint{-1, -1}));
  EXPECT_EQ(ExtrudeStep(fcRight), (TPoint{-1, 0}));
  // Far to near over four layers, each channel on its own.
  EXPECT_EQ(ExtrudeLayerColor(RGBColor(200, 0, 100), RGBColor(0, 200, 100), 1, 4),
            RGBColor(50, 150, 100));
  EXPECT_EQ(ExtrudeLayerColor(RGBColor(200, 0, 100), RGBColor(0, 200, 100), 4, 4),
            RGBColor(200, 0, 100));

  // Extruding up-left (step 1, 1) puts the letters at the far end of the box.
  TfcCaptionText t;
  t.ExtrudeEffects().SetEnabled(true);
  t.ExtrudeEffects().SetDepth(4);
  t.ExtrudeEffects().SetOrientation(fcTopLeft);
  t.SetText("ab");
  t.SetRect({0, 0, 100, 100});
  TFakeTextCanvas c;
  t.Draw(c);
  ASSERT_EQ(c.Painted.size(), 5u);
  EXPECT_EQ(c.Painted[0].Rect, (TRect{1, 1, 22, 25}));
  EXPECT_EQ(c.Painted[4].Rect, (TRect{4, 4, 25, 28}));
}

TEST(CaptionText, ShadowRoomAndPlace) {
  TfcCaptionText t;
  t.SetText("ab"); // 17 x 20
  t.SetRect({0, 0, 100, 100});
  t.Shadow().SetEnabled(true);
  t.Shadow().SetXOffset(2);
  t.Shadow().SetYOffset(3);
  TFakeTextCanvas c;
  EXPECT_EQ(t.Measure(c, false).Width(), 19);
  EXPECT_EQ(t.Measure(c, false).Height(), 23);
  t.Draw(c);
  ASSERT_EQ(c.Painted.size(), 2u);
  EXPECT_EQ(c.Painted[0].Color, clBtnShadow);
  EXPECT_EQ(c.Painted[0].Rect, c.Painted[1].Rect.Offset(2, 3));

  // A shadow cast the way the extrusion trails falls into the extrusion's room ...
  t.ExtrudeEffects().SetEnabled(true);
  t.ExtrudeEffects().SetDepth(5);
  EXPECT_EQ(t.ShadowExtent(), (TPoint{0, 0}));
  EXPECT_EQ(t.Measure(c, false).Width(), 22);
  // ... one cast along the step needs its own.
  t.ExtrudeEffects().SetOrientation(TfcOrientation::fcTopLeft);
  EXPECT_EQ(t.ShadowExtent(), (TPoint{2, 3}));
  t.ExtrudeEffects().SetOrientation(TfcOrientation::fcTop);
  EXPECT_EQ(t.ShadowExtent(), (TPoint{0, 3}));

  // A shadow cast up and left widens the box as much and moves the letters out of its way.
  TfcCaptionText u;
  u.SetText("ab");
  u.SetRect({0, 0, 17, 20});
  u.Shadow().SetEnabled(true);
  u.Shadow().SetXOffset(-3);
  u.Shadow().SetYOffset(-3);
  TFakeTextCanvas c2;
  EXPECT_EQ(u.Measure(c2, false).Width(), 20);
  u.SetRect({0, 0, 20, 23});
  u.Draw(c2);
  ASSERT_EQ(c2.Painted.size(), 2u);
  EXPECT_EQ(c2.Painted[0].Rect, c2.Painted[1].Rect.Offset(-3, -3));
  EXPECT_GE(c2.Painted[0].Rect.Left, 0); // the shadow inside the box
  EXPECT_GE(c2.Painted[0].Rect.Top, 0);
}

TEST(CaptionText, LabelGrowsByTheExtrusionDepth) {
  TfcCaptionText t;
  t.SetText(kAboutTitle);
  t.SetRect({0, 0, 65, 17});
  TFakeTextCanvas c;
  const TRect plain = t.Measure(c, false);
  EXPECT_EQ(plain.Width(), 128 + 1);
  EXPECT_EQ(plain.Height(), 20);
  t.ExtrudeEffects().SetEnabled(true);
  for (int d : {1, 7, 10}) {
    t.ExtrudeEffects().SetDepth(d);
    const TRect grown = t.Measure(c, false);
    EXPECT_EQ(grown.Width(), plain.Width() + d);
    EXPECT_EQ(grown.Height(), plain.Height() + d);
  }
}

TEST(CaptionText, BoxClampingAndAlignment) {
  TfcCaptionText t;
  t.SetText(kAboutTitle); // 129 x 20
  TFakeTextCanvas c;
  t.SetRect({0, 0, 50, 10});
  EXPECT_EQ(t.Measure(c, false), (TRect{0, 0, 129, 20})); // never starts left of or above R
  EXPECT_EQ(t.Measure(c, true), (TRect{0, 0, 50, 10}));
  t.SetRect({10, 50, 300, 200});
  EXPECT_EQ(t.Measure(c, true), (TRect{91, 115, 220, 135})); // centred in R

  auto lettersAt = [&](TAlignment a, TfcVAlignment v) {
    t.SetAlignment(a);
    t.SetVAlignment(v);
    t.SetRect({10, 50, 300, 200});
    TFakeTextCanvas canvas;
    t.Draw(canvas);
    return canvas.Painted.at(0).Rect;
  };
  using enum TAlignment;
  using enum TfcVAlignment;
  EXPECT_EQ(lettersAt(taLeftJustify, vaTop), (TRect{10, 50, 139, 70}));
  EXPECT_EQ(lettersAt(taRightJustify, vaBottom), (TRect{171, 180, 300, 200}));
  EXPECT_EQ(lettersAt(taCenter, vaVCenter), (TRect{91, 115, 220, 135}));
  EXPECT_EQ(t.Rect(), (TRect{10, 50, 300, 200})); // centring leaves R alone
  lettersAt(taLeftJustify, vaTop);
  EXPECT_EQ(t.Rect(), (TRect{10, 50, 139, 70})); // R keeps its top and takes the box height
  t.SetRect({10, -40, 300, 0});
  TFakeTextCanvas canvas;
  t.Draw(canvas);
  EXPECT_EQ(t.Rect(), (TRect{10, -40, 139, -20}));
  EXPECT_EQ(t.TextFlags() & (kDtCenter | kDtRight), 0u);
  t.SetAlignment(taRightJustify);
  EXPECT_EQ(t.TextFlags() & (kDtCenter | kDtRight), kDtRight);
}

TEST(CaptionText, AcceleratorsAndLines) {
  TfcCaptionText t;
  TFakeTextCanvas c;
  t.SetRect({0, 0, 400, 100});
  t.SetText("&Файл && правка"); // shown as "Файл & правка", 13 characters
  EXPECT_EQ(t.Measure(c, false).Width(), 13 * 8 + 1);
  EXPECT_EQ(t.TextFlags() & kDtNoPrefix, 0u);
  t.SetOptions({});
  EXPECT_EQ(t.Measure(c, false).Width(), 15 * 8 + 1);
  EXPECT_EQ(t.TextFlags() & kDtNoPrefix, kDtNoPrefix);

  t.SetText("ab\r\ncde\r\n");
  const TRect box = t.Measure(c, false);
  EXPECT_EQ(box.Width(), 25);
  EXPECT_EQ(box.Height(), 20 * 3 + 5 * 2);
  t.SetLineSpacing(0);
  EXPECT_EQ(t.Measure(c, false).Height(), 60);
  t.SetLineSpacing(3);
  t.Draw(c);
  ASSERT_EQ(c.Painted.size(), 3u);
  EXPECT_EQ(c.Painted[0].Text, "ab");
  EXPECT_EQ(c.Painted[1].Text, "cde");
  EXPECT_EQ(c.Painted[1].Rect.Top, c.Painted[0].Rect.Top + 23);
  EXPECT_EQ(c.Painted[2].Rect.Top, c.Painted[0].Rect.Top + 46);
}

TEST(CaptionText, StylesAndDisabledLook) {
  TfcFontSpec font;
  font.Color = clWhite;
  TfcCaptionText t;
  t.SetText("ab");
  t.SetFont(font);
  t.SetRect({0, 0, 100, 100});
  t.SetHighlightColor(clYellow);
  t.SetShadeColor(clTeal);

  auto draw = [&] {
    TFakeTextCanvas c;
    t.Draw(c);
    return c.Painted;
  };
  t.SetStyle(TfcTextStyle::fclsLowered);
  auto p = draw();
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].Color, clTeal);
  EXPECT_EQ(p[0].Rect, p[2].Rect.Offset(-1, -1));
  EXPECT_EQ(p[1].Color, clYellow);
  EXPECT_EQ(p[1].Rect, p[2].Rect.Offset(1, 1));
  EXPECT_EQ(p[2].Color, clWhite);
  t.SetStyle(TfcTextStyle::fclsRaised);
  p = draw();
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].Color, clYellow);
  EXPECT_EQ(p[1].Color, clTeal);

  t.SetStyle(TfcTextStyle::fclsOutline);
  t.SetOutlineColor(clLime);
  TFakeTextCanvas m;
  EXPECT_EQ(t.Measure(m, false).Width(), 17 + 2);
  p = draw();
  ASSERT_EQ(p.size(), 9u);
  EXPECT_EQ(p[0].Rect.Left, 0); // the upper left copy stays inside the box
  EXPECT_EQ(p[8].Rect.Left, 1);
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(p[i].Color, clLime);

  bool enabled = false;
  TfcCaptionText d({nullptr, nullptr, [&] { return enabled; }});
  d.SetText("ab");
  d.SetFont(font);
  d.SetRect({0, 0, 100, 100});
  d.ExtrudeEffects().SetEnabled(true);
  d.ExtrudeEffects().SetDepth(4);
  d.DisabledColors().SetHighlightColor(clYellow);
  d.DisabledColors().SetShadeColor(clSilver);
  TFakeTextCanvas c;
  d.Draw(c);
  // Disabled is the lowered style in the disabled colours: the extrusion's four layers as the
  // style draws them, the shade copy up-left, the highlight copy down-right, shaded letters.
  ASSERT_EQ(c.Painted.size(), 4u + 3u);
  const TRect letters = c.Painted[6].Rect;
  EXPECT_EQ(c.Painted[4].Color, clSilver);
  EXPECT_EQ(c.Painted[4].Rect, letters.Offset(-1, -1));
  EXPECT_EQ(c.Painted[5].Color, clYellow);
  EXPECT_EQ(c.Painted[5].Rect, letters.Offset(1, 1));
  EXPECT_EQ(c.Painted[6].Color, clSilver);
  enabled = true;
  TFakeTextCanvas e;
  d.Draw(e);
  ASSERT_EQ(e.Painted.size(), 5u);
  EXPECT_EQ(e.Painted[4].Rect, letters); // the letters do not move
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(c.Painted[i].Rect, e.Painted[i].Rect) << i;
    EXPECT_EQ(c.Painted[i].Color, e.Painted[i].Color) << i;
  }
  // A caption drawn raised looks the same as any other once disabled.
  d.SetStyle(TfcTextStyle::fclsRaised);
  enabled = false;
  TFakeTextCanvas r;
  d.Draw(r);
  ASSERT_EQ(r.Painted.size(), c.Painted.size());
  for (std::size_t i = 0; i < r.Painted.size(); ++i) {
    EXPECT_EQ(r.Painted[i].Rect, c.Painted[i].Rect) << i;
    EXPECT_EQ(r.Painted[i].Color, c.Painted[i].Color) << i;
  }
}

TEST(CaptionText, WordWrapWithFullJustification) {
  TfcCaptionText t;
  t.SetOptions({toShowAccel, toFullJustify});
  t.SetWordWrap(true);
  t.SetText("aaa bb cc dd ee ffffffffff");
  t.SetRect({0, 0, 90, 200});
  TFakeTextCanvas c;
  // Wrapped at 90: "aaa bb cc" (72), "dd ee" (40), "ffffffffff" (80).
  EXPECT_EQ(t.Measure(c, false), Bounds(5, 70, 81, 60));
  t.Draw(c);
  ASSERT_EQ(c.Painted.size(), 6u);
  auto at = [&](int i) { return TPoint{c.Painted[i].Rect.Left, c.Painted[i].Rect.Top}; };
  // Every line but the last is stretched to the widest (80): the extra pixels go to the gaps.
  EXPECT_EQ(c.Painted[1].Text, "bb");
  EXPECT_EQ(at(0), (TPoint{0, 0}));
  EXPECT_EQ(at(1), (TPoint{36, 0}));
  EXPECT_EQ(at(2), (TPoint{64, 0}));
  EXPECT_EQ(at(3), (TPoint{0, 20}));
  EXPECT_EQ(at(4), (TPoint{64, 20}));
  EXPECT_EQ(c.Painted[5].Text, "ffffffffff");
  EXPECT_EQ(at(5), (TPoint{0, 40}));
  EXPECT_EQ(c.Painted[5].Format & kDtWordBreak, 0u);

  // Without full justification the platform wraps.
  t.SetOptions({toShowAccel});
  TFakeTextCanvas w;
  EXPECT_EQ(t.Measure(w, false).Height(), w.MeasureText(t.Text(), 90, t.TextFlags()).cy);
}

TEST(CaptionText, RotatedCaption) {
  TfcCaptionText t;
  t.SetText(kAboutTitle); // 128 x 20 unturned
  t.SetRect({0, 0, 300, 300});
  t.SetRotation(90);
  EXPECT_EQ(t.TextFlags() & (kDtCenter | kDtRight), 0u);
  TFakeTextCanvas c;
  const TRect box = t.Measure(c, false);
  EXPECT_EQ(box.Width(), 21);
  EXPECT_EQ(box.Height(), 128);
  t.SetAlignment(TAlignment::taCenter); // no alignment of R for turned text
  t.Draw(c);
  EXPECT_EQ(t.Rect(), (TRect{0, 0, 300, 300}));
  ASSERT_EQ(c.Painted.size(), 1u);
  // Reading upwards, the line starts at the box's lower left corner.
  EXPECT_EQ(c.Painted[0].Rect.Left, box.Left);
  EXPECT_EQ(c.Painted[0].Rect.Top, box.Bottom);
  EXPECT_EQ(c.Fonts.back().Escapement, 900);
}

} // namespace
} // namespace widgets
