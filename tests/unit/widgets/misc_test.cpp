#include "about_options.h"
#include "widgets/caption_layout.h"
#include "widgets/mask_region.h"
#include "test_print.h"

#include <gtest/gtest.h>

namespace widgets {
namespace {

TEST(CaptionLayout, AboutStarButton) {
  TfcCaptionLayoutInput in;
  in.Client = {88, 88};
  in.Text = {60, 23};
  in.HasCaption = true;
  in.Alignment = TAlignment::taCenter;
  in.Layout = TButtonLayout::blGlyphTop;
  in.Offsets = test::AboutStarOffsets();
  // Anchor (44, 44), spacing -3: top 44 - (23 - 2) div 2 - 3 = 31, left 44 - 30 = 14.
  TfcCaptionPlacement p = LayoutCaption(in);
  EXPECT_EQ(p.Caption, Bounds(15, 33, 60, 23));
  in.Down = true;
  p = LayoutCaption(in);
  EXPECT_EQ(p.Caption, Bounds(16, 34, 60, 23));
  // A caption wider than the button is clipped to the client area less two pixels.
  in.Text = {100, 23};
  EXPECT_EQ(LayoutCaption(in).Caption, (TRect{2, 34, 86, 57}));
}

TEST(CaptionLayout, GlyphBesideOrAboveTheCaption) {
  TfcCaptionLayoutInput in;
  in.Client = {100, 40};
  in.Text = {30, 16};
  in.Glyph = {16, 16};
  in.HasCaption = true;
  in.Offsets.TextDownX = 0;
  // Left of the caption with 4 pixels between, the pair centred.
  in.Layout = TButtonLayout::blGlyphLeft;
  TfcCaptionPlacement p = LayoutCaption(in);
  EXPECT_EQ(p.Glyph, Bounds(25, 12, 16, 16));
  EXPECT_EQ(p.Caption, Bounds(45, 12, 30, 16));
  in.Layout = TButtonLayout::blGlyphRight;
  p = LayoutCaption(in);
  EXPECT_EQ(p.Caption, Bounds(25, 12, 30, 16));
  EXPECT_EQ(p.Glyph, Bounds(59, 12, 16, 16));
  // Left justified: the pair starts at the margin.
  in.Alignment = TAlignment::taLeftJustify;
  in.Layout = TButtonLayout::blGlyphLeft;
  in.Margin = -1;
  EXPECT_EQ(LayoutCaption(in).Glyph.Left, 4);
  in.Alignment = TAlignment::taCenter;
  in.Layout = TButtonLayout::blGlyphTop;
  in.Client = {100, 80};
  p = LayoutCaption(in);
  // Stack height 4 + 17 + 16 = 37 centred on y 40.
  EXPECT_EQ(p.Glyph, Bounds(42, 22, 16, 16));
  EXPECT_EQ(p.Caption, Bounds(35, 42, 30, 16));
  EXPECT_EQ(p.Focus, (TRect{33, 20, 67, 60}));
}

TEST(MaskRegion, OneRectanglePerRun) {
  const std::uint32_t K = 0xFF0000; // key, as a pixel (blue in memory order)
  const std::uint32_t F = 0x11AA00FF;
  const std::uint32_t pixels[] = {K, F, F, K, F, //
                                  K, K, K, K, K, //
                                  F, F, F, F, F};
  const std::vector<TRect> runs = MaskRuns(pixels, 5, 3, K | 0x33000000);
  EXPECT_EQ(runs, (std::vector<TRect>{{1, 0, 3, 1}, {4, 0, 5, 1}, {0, 2, 5, 3}}));
}

} // namespace
} // namespace widgets
