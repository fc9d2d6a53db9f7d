#include "about/colour_pulse.h"

#include <gtest/gtest.h>

namespace about {
namespace {

// (red, green, blue) of a 0x00BBGGRR colour.
std::array<int, 3> Rgb(std::uint32_t c) {
  return {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
          static_cast<int>((c >> 16) & 0xFF)};
}

TEST(ColourPulse, CaptionColoursAtKnownCounters) {
  struct Case {
    int counter;
    std::array<int, 3> forum, site, mailer;
  } cases[] = {
      {0, {0, 170, 170}, {0, 244, 0}, {96, 96, 0}},
      {25, {0, 255, 255}, {0, 129, 0}, {129, 129, 0}},
      {75, {0, 85, 85}, {0, 211, 0}, {211, 211, 0}},
  };
  for (const Case& c : cases) {
    TColourPulse pulse;
    pulse.SetCounter(c.counter);
    EXPECT_EQ(Rgb(pulse.Colour(kForumPulse.Phase, kForumPulse.Base)), c.forum) << c.counter;
    EXPECT_EQ(Rgb(pulse.Colour(kSitePulse.Phase, kSitePulse.Base)), c.site) << c.counter;
    EXPECT_EQ(Rgb(pulse.Colour(kMailerPulse.Phase, kMailerPulse.Base)), c.mailer) << c.counter;
  }
}

TEST(ColourPulse, CounterRunsOneToHundredThenZero) {
  TColourPulse pulse;
  pulse.Step();
  EXPECT_EQ(pulse.Counter(), 1);
  for (int tick = 2; tick <= 100; ++tick) {
    pulse.Step();
    EXPECT_EQ(pulse.Counter(), tick);
  }
  pulse.Step();
  EXPECT_EQ(pulse.Counter(), 0); // 101 values per cycle
  pulse.Step();
  EXPECT_EQ(pulse.Counter(), 1);
}

TEST(ColourPulse, FactorStaysBetweenAThirdAndOne) {
  TColourPulse pulse;
  for (int tick = 0; tick < 202; ++tick, pulse.Step())
    for (int phase : {0, 33, 67}) {
      EXPECT_GE(pulse.Factor(phase), 1.0 / 3 - 1e-12);
      EXPECT_LE(pulse.Factor(phase), 1.0 + 1e-12);
    }
}

} // namespace
} // namespace about
