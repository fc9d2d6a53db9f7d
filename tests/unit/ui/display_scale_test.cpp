#include "ui/display_scale.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// (The rounding is compared with the system's MulDiv under Wine.)
TEST(DisplayScale, HalvesRoundAwayFromZero) {
  EXPECT_EQ(ScaleToDpi(41, 144), 62);
  EXPECT_EQ(ScaleToDpi(-11, 144), -17);                 // a font height of -16.5 pixels
  EXPECT_EQ(MulDivRound(7, 1, -2), -4);                 // a negative divisor turns the sign
  EXPECT_EQ(MulDivRound(2000000000, 3, 4), 1500000000); // a 64-bit product
}

TEST(DisplayScale, DesignedValuesNeverDrift) {
  for (int designed = -200; designed <= 2000; ++designed) {
    // Through 125 %, 175 % and 150 % back to 100 %: each step from the designed value, so the
    // pixels are those of going there at once, and 100 % gives the design again.
    int kept = designed;
    for (int dpi : {120, 168, 144, kDesignDpi}) {
      const int shown = ScaleToDpi(kept, dpi);
      kept = DesignedFor(shown, dpi, kept);
      ASSERT_EQ(shown, ScaleToDpi(designed, dpi)) << designed << " at " << dpi;
    }
    ASSERT_EQ(kept, designed);
  }
  // A size changed at 150 % (the user made the window wider) is taken back to 96 DPI.
  EXPECT_EQ(DesignedFor(900, 144, 695), 600);
  EXPECT_EQ(DesignedFor(901, 144, 695), 601); // 600.67
}

} // namespace
} // namespace ui
