#include "ui/display_scale.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(DisplayScale, RoundsHalvesAwayFromZeroAsMulDivDoes) {
  // The designed sizes of the windows at 150 %: dock strips, About client area, star, view.
  EXPECT_EQ(ScaleToDpi(41, 144), 62);
  EXPECT_EQ(ScaleToDpi(15, 144), 23);
  EXPECT_EQ(ScaleToDpi(13, 144), 20);
  EXPECT_EQ(ScaleToDpi(695, 144), 1043);
  EXPECT_EQ(ScaleToDpi(470, 144), 705);
  EXPECT_EQ(ScaleToDpi(88, 144), 132);
  EXPECT_EQ(ScaleToDpi(455, 144), 683);
  EXPECT_EQ(ScaleToDpi(361, 144), 542);
  // Font heights are negative: -16.5 is -17, not -16.
  EXPECT_EQ(ScaleToDpi(-11, 144), -17);
  EXPECT_EQ(ScaleToDpi(-16, 144), -24);
  EXPECT_EQ(ScaleToDpi(-1, 144), -2);
  EXPECT_EQ(ScaleToDpi(1, 120), 1);     // 1.25
  EXPECT_EQ(ScaleToDpi(-3, 120), -4);   // -3.75
  EXPECT_EQ(MulDivRound(7, 1, -2), -4); // a negative divisor turns the sign
  // The product is taken in 64 bits.
  EXPECT_EQ(MulDivRound(2000000000, 3, 4), 1500000000);
  for (int v = -300; v <= 300; ++v)
    EXPECT_EQ(ScaleToDpi(v, kDesignDpi), v);
}

TEST(DisplayScale, DesignedValuesNeverDrift) {
  for (int designed = -200; designed <= 2000; ++designed) {
    // Shown at 150 % and back: the designed value is kept, whatever the rounding did.
    const int at144 = ScaleToDpi(designed, 144);
    ASSERT_EQ(DesignedFor(at144, 144, designed), designed);
    // Through 125 % and 175 % to 150 %: the same pixels as going there at once.
    int kept = designed;
    for (int dpi : {120, 168, 144}) {
      const int shown = ScaleToDpi(kept, dpi);
      kept = DesignedFor(shown, dpi, kept);
    }
    ASSERT_EQ(ScaleToDpi(kept, 144), at144) << designed;
    ASSERT_EQ(kept, designed);
  }
  // A size changed at 150 % (the user made the window wider) is taken back to 96 DPI.
  EXPECT_EQ(DesignedFor(900, 144, 695), 600);
  EXPECT_EQ(DesignedFor(901, 144, 695), 601); // 600.67
  EXPECT_EQ(DesignedFor(41, kDesignDpi, 7), 41);
}

} // namespace
} // namespace ui
