#include "glview/mouse_drag.h"

#include <cmath>

#include <gtest/gtest.h>

namespace glview {
namespace {

TEST(ComputeDragStep, PlainDragTurnsAboutTheScreenAxes) {
  // 100 px to the right on a 400 px wide view: -45 degrees about the vertical axis.
  TDragStep step = ComputeDragStep(100, 50, 200, 50, 400, 300, false, false);
  EXPECT_TRUE(step.Rotate);
  EXPECT_FALSE(step.Zoom);
  EXPECT_FALSE(step.Pan);
  EXPECT_FLOAT_EQ(step.AngleY, -45.0f);
  EXPECT_FLOAT_EQ(step.AngleX, 0.0f);
  // Moving up turns positively about the horizontal axis; the whole height is 180 degrees.
  step = ComputeDragStep(10, 300, 10, 0, 400, 300, false, false);
  EXPECT_FLOAT_EQ(step.AngleY, 0.0f);
  EXPECT_FLOAT_EQ(step.AngleX, 180.0f);
}

TEST(ComputeDragStep, CtrlPansAndShiftZooms) {
  TDragStep step = ComputeDragStep(100, 50, 200, 50, 400, 300, false, true);
  EXPECT_TRUE(step.Pan);
  EXPECT_FALSE(step.Rotate);
  EXPECT_FALSE(step.Zoom);
  EXPECT_FLOAT_EQ(step.PanX, 0.25f);
  EXPECT_FLOAT_EQ(step.PanY, 0.0f);
  // The scene follows the mouse: up is positive y.
  step = ComputeDragStep(0, 100, 0, 50, 400, 200, false, true);
  EXPECT_FLOAT_EQ(step.PanY, 0.25f);

  // 50 px up on a 200 px high view: 1 + 0.25 * 0.7.
  step = ComputeDragStep(0, 150, 0, 100, 400, 200, true, false);
  EXPECT_TRUE(step.Zoom);
  EXPECT_FALSE(step.Rotate);
  EXPECT_FALSE(step.Pan);
  EXPECT_FLOAT_EQ(step.ZoomFactor, 1.175f);
  // The whole height down shrinks by 0.3.
  step = ComputeDragStep(0, 0, 0, 200, 400, 200, true, false);
  EXPECT_FLOAT_EQ(step.ZoomFactor, 0.3f);
}

TEST(ComputeDragStep, BothKeysZoomAndPanWithoutTurning) {
  const TDragStep step = ComputeDragStep(100, 150, 200, 100, 400, 200, true, true);
  EXPECT_TRUE(step.Zoom);
  EXPECT_TRUE(step.Pan);
  EXPECT_FALSE(step.Rotate);
  EXPECT_FLOAT_EQ(step.ZoomFactor, 1.175f);
  EXPECT_FLOAT_EQ(step.PanX, 0.25f);
  EXPECT_FLOAT_EQ(step.PanY, 0.25f);
}

TEST(ComputeDragStep, ZoomNeverReachesZeroOrMirrors) {
  // Captured drags can leave the view: 1/0.7 of the height down would give 0, more a negative.
  for (int y : {200, 285, 286, 300, 1000, 100000}) {
    const TDragStep step = ComputeDragStep(0, 0, 0, y, 400, 200, true, false);
    EXPECT_GE(step.ZoomFactor, kMinZoomFactor) << y;
    EXPECT_GT(step.ZoomFactor, 0.0f) << y;
  }
  EXPECT_FLOAT_EQ(ComputeDragStep(0, 0, 0, 100000, 400, 200, true, false).ZoomFactor,
                  kMinZoomFactor);
}

TEST(ComputeDragStep, ViewWithoutAreaMovesNothing) {
  for (const auto& [w, h] : {std::pair{0, 200}, std::pair{200, 0}, std::pair{0, 0}}) {
    for (bool shift : {false, true}) {
      for (bool ctrl : {false, true}) {
        const TDragStep step = ComputeDragStep(0, 0, 30, 40, w, h, shift, ctrl);
        EXPECT_FALSE(step.Zoom || step.Pan || step.Rotate);
        EXPECT_TRUE(std::isfinite(step.ZoomFactor));
      }
    }
  }
}

} // namespace
} // namespace glview
