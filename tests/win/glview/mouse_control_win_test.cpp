// Mouse control of the view through real mouse messages: turning about the screen's axes, zoom
// and pan of the window fit, the capture that ends a drag released outside, and OnMouseMove.
#include "menu_fixture.h"

#include "glview/mouse_drag.h"

namespace glview::test {
namespace {

class MouseControlTest : public ViewTest {
protected:
  void SetUp() override {
    ViewTest::SetUp();
    // 400 x 200: the fit halves x (FAspectX 0.5, FAspectY 1).
    mouseView = AddView<TMenuTestView>(0, 0, 400, 200);
    mouseView->SetPossibility({pMouseControl}); // a right press must not open a menu here
    mouseView->OnMouseMove = [this](ui::TComponent* sender, ui::TShiftState shift, int x, int y) {
      moves.push_back({x, y, shift});
      EXPECT_EQ(sender, mouseView);
      rotationSeenByHandler = mouseView->ProjectionMatrix().Values();
    };
    mouseView->OnMouseDown = [this](ui::TComponent*, ui::TMouseButton, ui::TShiftState, int, int) {
      ++downsOrUps;
    };
    mouseView->OnMouseUp = mouseView->OnMouseDown;
    PaintNow(mouseView);
    ASSERT_EQ(mouseView->Aspect(), (TAspect{0.5f, 1.0f}));
  }
  void TearDown() override {
    ReleaseCapture();
    ViewTest::TearDown();
  }

  void Send(UINT message, WPARAM keys, int x, int y) {
    SendMessageW(mouseView->Handle(), message, keys, MAKELPARAM(x, y));
  }
  // Press at (x0, y0), one move to (x1, y1) with the keys held, release there.
  void Drag(int x0, int y0, int x1, int y1, WPARAM keys = 0) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON | keys, x0, y0);
    Send(WM_MOUSEMOVE, MK_LBUTTON | keys, x1, y1);
    Send(WM_LBUTTONUP, keys, x1, y1);
  }

  TViewMatrix Arithmetic(const TMatrixValues& values = kIdentityValues) const {
    TViewMatrix m(kProjectionMode, always);
    m.SetValues(values);
    return m;
  }
  static void ExpectNear(const TMatrixValues& actual, const TMatrixValues& expected) {
    for (int i = 0; i < 16; ++i)
      EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "element " << i;
  }
  const TMatrixValues& Rotation() const { return mouseView->ProjectionMatrix().Values(); }
  const TMatrixValues& Screen() const { return mouseView->ScreenMatrix().Values(); }

  struct TMove {
    int x, y;
    ui::TShiftState shift;
  };
  TAlwaysCurrent always;
  TMenuTestView* mouseView = nullptr;
  std::vector<TMove> moves;
  TMatrixValues rotationSeenByHandler{};
  int downsOrUps = 0;
};

TEST_F(MouseControlTest, ADragTurnsTheSceneAboutTheScreensAxes) {
  const TMatrixValues fit = Screen();
  // 100 px right on 400: -45 degrees about the vertical axis.
  Drag(100, 50, 200, 50);
  TViewMatrix expected = Arithmetic();
  expected.Rotate(YAxis, -45.0f);
  expected.Rotate(XAxis, 0.0f);
  ExpectNear(Rotation(), expected.Values());
  // OnMouseMove comes after the turn, with the move's keys and place.
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].x, 200);
  EXPECT_EQ(moves[0].y, 50);
  EXPECT_EQ(moves[0].shift, ui::ssLeft);
  EXPECT_EQ(rotationSeenByHandler, Rotation());

  // The next drag, 50 px up on 200 in two steps, turns about the screen's horizontal axis
  // before the present rotation (pre-multiplied).
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 150);
  Send(WM_MOUSEMOVE, MK_LBUTTON, 10, 130);
  Send(WM_MOUSEMOVE, MK_LBUTTON, 10, 100);
  Send(WM_LBUTTONUP, 0, 10, 100);
  for (float angle : {18.0f, 27.0f}) {
    TViewMatrix step = Arithmetic();
    step.Rotate(YAxis, 0.0f);
    step.Rotate(XAxis, angle);
    expected.PreMultiply(step.Values());
  }
  ExpectNear(Rotation(), expected.Values());
  EXPECT_EQ(Screen(), fit); // the window fit is left alone
  EXPECT_EQ(downsOrUps, 0); // OnMouseDown and OnMouseUp are not raised
  EXPECT_TRUE(RepaintPending(mouseView));
}

TEST_F(MouseControlTest, CtrlPansShiftZoomsBothDoBothWithoutTurning) {
  TViewMatrix expected = Arithmetic(Screen());
  Drag(100, 50, 200, 50, MK_CONTROL);
  expected.Translate(0.25f, 0.0f, 0.0f);
  ExpectNear(Screen(), expected.Values());

  Drag(0, 150, 0, 100, MK_SHIFT); // 50 px up on 200
  expected.Scale(1.175f, 1.175f, 1.175f);
  ExpectNear(Screen(), expected.Values());

  Drag(100, 150, 200, 100, MK_SHIFT | MK_CONTROL);
  expected.Scale(1.175f, 1.175f, 1.175f);
  expected.Translate(0.25f, 0.25f, 0.0f);
  ExpectNear(Screen(), expected.Values());

  EXPECT_EQ(Rotation(), kIdentityValues);
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(moves[2].shift, ui::ssLeft | ui::ssShift | ui::ssCtrl);
}

TEST_F(MouseControlTest, OneMoveNeverCollapsesOrMirrorsTheScene) {
  // Captured, the mouse can be far below the view: the raw factor would be negative.
  TViewMatrix expected = Arithmetic(Screen());
  Drag(0, 0, 0, 5000, MK_SHIFT);
  expected.Scale(kMinZoomFactor, kMinZoomFactor, kMinZoomFactor);
  ExpectNear(Screen(), expected.Values());
  EXPECT_GT(Screen()[0], 0.0f);
  EXPECT_GT(Screen()[5], 0.0f);
}

TEST_F(MouseControlTest, TheMouseIsCapturedWhileDraggingAndAnyReleaseEndsIt) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 200, 100);
  EXPECT_TRUE(mouseView->FButtonDown);
  EXPECT_EQ(GetCapture(), mouseView->Handle());
  // A right press during the drag does not end it.
  Send(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 200, 100);
  EXPECT_TRUE(mouseView->FButtonDown);
  // Released outside the view, where only the capture brings the message.
  Send(WM_LBUTTONUP, 0, -30, 500);
  EXPECT_FALSE(mouseView->FButtonDown);
  EXPECT_EQ(GetCapture(), nullptr);
  // Moves without the button only raise OnMouseMove.
  Send(WM_MOUSEMOVE, 0, 300, 20);
  EXPECT_EQ(Rotation(), kIdentityValues);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].shift, 0u);

  // A right-button drag neither turns nor zooms; its release ends nothing that was not begun.
  Send(WM_RBUTTONDOWN, MK_RBUTTON, 10, 10);
  Send(WM_MOUSEMOVE, MK_RBUTTON | MK_SHIFT, 300, 150);
  Send(WM_RBUTTONUP, 0, 300, 150);
  EXPECT_EQ(Rotation(), kIdentityValues);
  EXPECT_EQ(moves.size(), 2u);
}

TEST_F(MouseControlTest, WithoutMouseControlDraggingOnlyReportsTheMoves) {
  mouseView->SetPossibility({});
  const TMatrixValues fit = Screen();
  ForgetRepaint(mouseView);
  Drag(100, 50, 200, 80);
  Drag(100, 50, 200, 80, MK_SHIFT);
  Drag(100, 50, 200, 80, MK_CONTROL);
  EXPECT_EQ(Rotation(), kIdentityValues);
  EXPECT_EQ(Screen(), fit);
  EXPECT_FALSE(RepaintPending(mouseView));
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(moves[1].x, 200);
  EXPECT_EQ(moves[1].y, 80);
  EXPECT_EQ(moves[1].shift, ui::ssLeft | ui::ssShift);
}

TEST_F(MouseControlTest, BeforeTheFirstPaintThereIsNoContextAndNothingTurns) {
  TMenuTestView* fresh = AddView<TMenuTestView>(0, 0, 100, 100);
  SendMessageW(fresh->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(fresh->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 60));
  SendMessageW(fresh->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 60));
  EXPECT_FALSE(fresh->HasContext());
  EXPECT_EQ(fresh->ProjectionMatrix().Values(), kIdentityValues);
}

} // namespace
} // namespace glview::test
