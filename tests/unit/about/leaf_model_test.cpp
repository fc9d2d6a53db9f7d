#include "glview/leaf_model.h"
#include "glview/view_matrix.h"

#include <gtest/gtest.h>

namespace glview {
namespace {

TEST(LeafModel, OutlineIsCopiedAndDepthsStayInTheirBand) {
  TLeafRandom random(12345);
  const auto points = DrawLeafPoints(random);
  for (int i = 0; i < kLeafPointCount; ++i) {
    EXPECT_EQ(points[i].X, LeafOutline[i].X);
    EXPECT_EQ(points[i].Y, LeafOutline[i].Y);
    EXPECT_GE(points[i].Z, -0.0625);
    EXPECT_LT(points[i].Z, 0.0625);
  }
  EXPECT_EQ(LeafOutline[19].Y, 1.5); // the tip
}

// The draws come in the stated order: base red, green, blue, then per point Z, red, green, blue.
TEST(LeafModel, DrawsFollowTheStatedOrderAndRanges) {
  TLeafRandom random(777), replay(777);
  const auto points = DrawLeafPoints(random);
  const int r0 = replay.Random(100) + 100;
  const int g0 = replay.Random(100) + 155;
  const int b0 = replay.Random(100) + 20;
  for (const TColoredPoint& point : points) {
    EXPECT_EQ(point.Z, replay.RandomReal() / 8 - 0.0625);
    EXPECT_EQ(point.Color[0], replay.Random(50) + r0);
    EXPECT_EQ(point.Color[1], (replay.Random(50) + g0) % 256);
    EXPECT_EQ(point.Color[2], replay.Random(50) + b0);
    EXPECT_GE(point.Color[0], r0);
    EXPECT_LE(point.Color[0], r0 + 49);
    EXPECT_GE(point.Color[2], b0);
    EXPECT_LE(point.Color[2], b0 + 49);
  }
}

TEST(LeafModel, GreenWrapsPast255InsteadOfClamping) {
  bool sawWrap = false;
  for (std::uint32_t seed = 1; seed < 200 && !sawWrap; ++seed) {
    TLeafRandom random(seed), replay(seed);
    const auto points = DrawLeafPoints(random);
    replay.Random(100);
    const int g0 = replay.Random(100) + 155;
    for (const TColoredPoint& point : points) {
      if (point.Color[1] < 48) {
        EXPECT_GT(g0 + 49, 255); // a low green only where the sum can pass 255
        sawWrap = true;
      }
    }
  }
  EXPECT_TRUE(sawWrap);
}

// Scale then translate in the scaled coordinates: the leaves' centres.
TEST(LeafModel, FiveLeavesCentres) {
  struct Leaf {
    float scale, tx, ty, tz;
    float cx, cy, cz;
  } leaves[] = {
      {0.45f, 0, 0, 0, 0, 0, 0},
      {0.6f, 0.8f, 0.8f, 0.8f, 0.48f, 0.48f, 0.48f},
      {0.3f, -0.8f, -0.8f, -0.8f, -0.24f, -0.24f, -0.24f},
      {0.5f, 0, -1.2f, 0.3f, 0, -0.6f, 0.15f},
      {0.2f, 0, 1.2f, -0.3f, 0, 0.24f, -0.06f},
  };
  const TAlwaysCurrent context;
  for (const Leaf& leaf : leaves) {
    TViewMatrix model(kModelViewMode, context);
    model.Scale(leaf.scale, leaf.scale, leaf.scale);
    model.Translate(leaf.tx, leaf.ty, leaf.tz);
    const auto& m = model.Values(); // column-major: translation in 12, 13, 14
    EXPECT_NEAR(m[12], leaf.cx, 1e-6);
    EXPECT_NEAR(m[13], leaf.cy, 1e-6);
    EXPECT_NEAR(m[14], leaf.cz, 1e-6);
  }
}

} // namespace
} // namespace glview
