// The caption engine and the button's caption layout at 150 % (144 DPI): depths, offsets and
// distances are designed at 96 DPI and drawn scaled.
#include "about_options.h"
#include "fake_text_canvas.h"
#include "widgets/caption_layout.h"
#include "widgets/fc_text.h"

#include <gtest/gtest.h>

namespace widgets {
namespace {

TEST(CaptionAtDisplayScale, TheTitleExtrudesFifteenLayersAt150Percent) {
  TfcCaptionText t;
  test::ConfigureAboutTitleText(t);
  t.SetText(test::kAboutTitle); // 128 x 20 in the fake font
  t.SetDpi(144);
  t.SetRect({0, 0, 423, 50});
  fake::TFakeTextCanvas c;
  const TRect box = t.Measure(c, false);
  EXPECT_EQ(box.Width(), 128 + 1 + 15); // depth 10 at 150 %
  EXPECT_EQ(box.Height(), 20 + 15);
  t.Draw(c);
  ASSERT_EQ(c.Painted.size(), 16u);
  EXPECT_EQ(c.Painted[0].Color, RGBColor(136, 0, 136)); // nearly purple, farthest away
  EXPECT_EQ(c.Painted[14].Color, clFuchsia);
  for (int i = 1; i < 15; ++i)
    EXPECT_EQ(c.Painted[i].Rect, c.Painted[i - 1].Rect.Offset(-1, -1)) << "layer " << i;
  EXPECT_EQ(c.Painted[15].Rect, c.Painted[14].Rect);
  EXPECT_EQ(t.ExtrudeEffects().Depth(), 10); // the property keeps its designed value
}

TEST(CaptionLayoutAtDisplayScale, TheStarsCaptionAt150Percent) {
  TfcCaptionLayoutInput in;
  in.Client = {132, 132};
  in.Text = {88, 33};
  in.HasCaption = true;
  in.Alignment = TAlignment::taCenter;
  in.Layout = TButtonLayout::blGlyphTop;
  in.Offsets = test::AboutStarOffsets();
  in.Dpi = 144;
  // Anchor (66, 66), spacing (0 - 9) div 2 = -4: top 66 - 30 div 2 - 4 = 47, left 66 - 44 = 22;
  // then moved by the offsets (1, 2) at 150 %, (2, 3).
  EXPECT_EQ(LayoutCaption(in).Caption, Bounds(24, 50, 88, 33));
  in.Down = true; // and by (1, 1) more while down, (2, 2)
  EXPECT_EQ(LayoutCaption(in).Caption, Bounds(26, 52, 88, 33));
  in.Text = {150, 33}; // clipped to the client area less three pixels
  EXPECT_EQ(LayoutCaption(in).Caption, (TRect{3, 52, 129, 85}));
}

} // namespace
} // namespace widgets
