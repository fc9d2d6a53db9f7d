#include "about_options.h"
#include "widgets/bevel_edges.h"
#include "widgets/button_face.h"
#include "widgets/button_shape.h"
#include "test_print.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace widgets {
namespace {

using P = std::vector<TPoint>;
using enum TfcShapeOrientation;

const P kStar88 = {{43, 0},  {54, 32}, {87, 32}, {61, 53}, {71, 87}, {43, 68},
                   {15, 87}, {26, 53}, {0, 32},  {33, 32}, {43, 0}};

TEST(StarFigure, SquareAndWideButtons) {
  EXPECT_EQ(StarPoints(88, 88), kStar88);
  // 120 x 60: c = 62, d = 23, b = 16, e = 21, f = 19; the side tips still touch both edges.
  EXPECT_EQ(StarPoints(120, 60), (P{{59, 0},
                                    {67, 21},
                                    {119, 21},
                                    {71, 36},
                                    {78, 59},
                                    {59, 46},
                                    {40, 59},
                                    {48, 36},
                                    {0, 21},
                                    {52, 21},
                                    {59, 0}}));
  // The roundness of rounded rectangles is no business of a star.
  EXPECT_EQ(ShapePoints(TfcButtonShape::bsStar, soUp, 88, 88, 20), kStar88);
  EXPECT_EQ(ShapePoints(TfcButtonShape::bsStar, soUp, 88, 88, 60), kStar88);
}

TEST(StarFigure, QuarterTurnsPerOrientation) {
  auto tip = [](TfcShapeOrientation o, int w, int h) {
    return ShapePoints(TfcButtonShape::bsStar, o, w, h)[0];
  };
  EXPECT_EQ(tip(soUp, 88, 88), (TPoint{43, 0}));
  EXPECT_EQ(tip(soRight, 88, 88), (TPoint{87, 43}));
  EXPECT_EQ(tip(soDown, 88, 88), (TPoint{44, 87}));
  EXPECT_EQ(tip(soLeft, 88, 88), (TPoint{0, 44}));
  const P down = ShapePoints(TfcButtonShape::bsStar, soDown, 88, 88);
  EXPECT_EQ(down[4], (TPoint{16, 0})); // the lower right tip, now upper left
  EXPECT_EQ(down[5], (TPoint{44, 19}));
  // A wide button: each turn maps (x, y) to (W - W*y div H, H*x div W).
  const P right = ShapePoints(TfcButtonShape::bsStar, soRight, 120, 60);
  EXPECT_EQ(right[0], (TPoint{119, 29}));
  EXPECT_EQ(right[4], (TPoint{0, 38}));
  EXPECT_EQ(right.front(), right.back());
  for (auto o : {soLeft, soRight, soUp, soDown})
    for (const TPoint& p : ShapePoints(TfcButtonShape::bsStar, o, 120, 60)) {
      EXPECT_TRUE(p.x >= 0 && p.x <= 119 && p.y >= 0 && p.y <= 59);
    }
}

TEST(OtherFigures, ClosedOutlinesInsideTheButton) {
  for (auto shape :
       {TfcButtonShape::bsRoundRect, TfcButtonShape::bsEllipse, TfcButtonShape::bsTriangle,
        TfcButtonShape::bsArrow, TfcButtonShape::bsDiamond, TfcButtonShape::bsRect,
        TfcButtonShape::bsTrapezoid, TfcButtonShape::bsCustom}) {
    for (auto o : {soLeft, soRight, soUp, soDown}) {
      const P p = ShapePoints(shape, o, 64, 40, 16);
      ASSERT_GE(p.size(), 4u);
      EXPECT_EQ(p.front(), p.back());
      for (const TPoint& q : p)
        EXPECT_TRUE(q.x >= 0 && q.x <= 63 && q.y >= 0 && q.y <= 39);
      EXPECT_TRUE(PolygonContains(p, 32, 20)) << int(shape) << " " << int(o);
    }
  }
  EXPECT_EQ(ShapePoints(TfcButtonShape::bsTriangle, soUp, 11, 11),
            (P{{5, 0}, {10, 10}, {0, 10}, {5, 0}}));
  EXPECT_EQ(ShapePoints(TfcButtonShape::bsTriangle, soRight, 11, 11)[0], (TPoint{10, 5}));
  // A rounded rectangle's corners are cut off, its edge middles are not.
  const P rr = ShapePoints(TfcButtonShape::bsRoundRect, soUp, 41, 41, 20);
  EXPECT_FALSE(PolygonContains(rr, 1, 1));
  EXPECT_TRUE(PolygonContains(rr, 20, 1));
  const P custom{{0, 0}, {10, 0}, {0, 10}};
  EXPECT_EQ(ShapePoints(TfcButtonShape::bsCustom, soUp, 11, 11, 25, custom),
            (P{{0, 0}, {10, 0}, {0, 10}, {0, 0}}));
  EXPECT_TRUE(ShapePoints(TfcButtonShape::bsStar, soUp, 0, 88).empty());
  EXPECT_EQ(ShapePoints(TfcButtonShape::bsStar, soRight, 1, 1).size(), 11u); // no division by 0
}

TEST(PolygonContains, TopAndLeftBoundaryBelongToTheFigure) {
  const P square{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
  EXPECT_TRUE(PolygonContains(square, 0, 0));
  EXPECT_TRUE(PolygonContains(square, 9, 9));
  EXPECT_FALSE(PolygonContains(square, 10, 5));
  EXPECT_FALSE(PolygonContains(square, 5, 10));
  EXPECT_FALSE(PolygonContains(square, -1, 5));
  // The same square drawn the other way round: non-zero winding does not care.
  const P back{{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
  EXPECT_TRUE(PolygonContains(back, 0, 0));
  EXPECT_FALSE(PolygonContains(back, 10, 10));
  // The star's centre and its tips' inner points are inside; the corners are not.
  EXPECT_TRUE(PolygonContains(kStar88, 43, 50));
  EXPECT_TRUE(PolygonContains(kStar88, 43, 5));
  EXPECT_FALSE(PolygonContains(kStar88, 2, 2));
  EXPECT_FALSE(PolygonContains(kStar88, 85, 85));
  EXPECT_FALSE(PolygonContains(kStar88, 43, 80)); // between the two lower tips
}

TEST(BevelEdges, StarEdgesLitFromTheUpperLeft) {
  const std::vector<TfcBevelEdge> e = ClassifyBevelEdges(kStar88);
  ASSERT_EQ(e.size(), 10u);
  const bool lit[10] = {false, true, false, false, false, false, true, false, true, true};
  const TPoint step[10] = {{-1, 0}, {-1, 1}, {0, -1}, {-1, 0}, {0, -1},
                           {0, -1}, {1, 0},  {0, -1}, {1, 1},  {1, 0}};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(e[i].Lit, lit[i]) << "edge " << i;
    EXPECT_EQ(e[i].Step, step[i]) << "edge " << i;
    EXPECT_EQ(e[i].From, kStar88[i]);
    EXPECT_EQ(e[i].To, kStar88[i + 1]);
  }
}

TEST(ButtonFace, KeyColourAndBevelRule) {
  EXPECT_EQ(KeyColorFor(0x0000FF), clBlue);
  EXPECT_EQ(KeyColorFor(0xFF00AA), clRed);
  EXPECT_EQ(KeyColorFor(0xFF0000), clRed);
  using enum TfcShadeStyle;
  EXPECT_FALSE(IsBevelWanted(fbsFlat, false, false, true, false));
  EXPECT_FALSE(IsBevelWanted(fbsFlat, false, true, false, false)); // hovered but disabled
  EXPECT_TRUE(IsBevelWanted(fbsFlat, false, true, true, false));
  EXPECT_TRUE(IsBevelWanted(fbsFlat, false, false, true, true));
  EXPECT_TRUE(IsBevelWanted(fbsFlat, true, false, true, false));
  EXPECT_TRUE(IsBevelWanted(fbsNormal, false, false, false, false));
}

TEST(ButtonFace, BevelColoursSwapWhenDown) {
  const TfcShadeColors c = test::kAboutStarShadeColors;
  const auto up = BevelLines(kStar88, c, false, false);
  ASSERT_EQ(up.size(), 20u);
  // Inner pass one pixel in: lit edge 1 is light, shaded edge 0 dark.
  EXPECT_EQ(up[1].Color, clFuchsia);
  EXPECT_EQ(up[1].From, (TPoint{53, 33}));
  EXPECT_EQ(up[0].Color, clSilver);
  EXPECT_EQ(up[0].From, (TPoint{42, 0}));
  // Outer pass on the outline itself.
  EXPECT_EQ(up[11].Color, clYellow);
  EXPECT_EQ(up[11].From, kStar88[1]);
  EXPECT_EQ(up[10].Color, clTeal);
  const auto down = BevelLines(kStar88, c, true, false);
  EXPECT_EQ(down[1].Color, clSilver);
  EXPECT_EQ(down[11].Color, clTeal);
  EXPECT_EQ(down[0].Color, clFuchsia);
  // A focused button steps both passes one more pixel in and traces the outline.
  const auto focused = BevelLines(kStar88, c, false, true);
  ASSERT_EQ(focused.size(), 30u);
  EXPECT_EQ(focused[1].From, (TPoint{52, 34}));
  EXPECT_EQ(focused[11].From, (TPoint{53, 33}));
  EXPECT_TRUE(std::all_of(focused.begin() + 20, focused.end(),
                          [](const TfcBevelLine& l) { return l.Color == clAqua; }));
}

} // namespace
} // namespace widgets
