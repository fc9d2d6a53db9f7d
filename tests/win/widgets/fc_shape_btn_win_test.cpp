// The star button on a real window: its region, its face, and what clicks and the mouse do.
#include "about_config.h"
#include "win_fixture.h"

#include "widgets/bevel_edges.h"

#include "ui/edit.h"
#include "ui/memo.h"

namespace widgets::test {
namespace {

constexpr COLORREF kViolet = RGB(170, 0, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class FcShapeBtnTest : public TWinFixture {
protected:
  TfcShapeBtn* MakeStar(int left = 20, int top = 20) {
    auto* button = new TfcShapeBtn(form);
    button->SetParent(form);
    ConfigureAboutStar(*button);
    button->SetBounds(left, top, 88, 88);
    button->OnClick = [this](ui::TComponent*) { ++clicks; };
    return button;
  }

  static bool InRegion(HWND window, int x, int y) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(window, region) != ERROR;
    const bool inside = has && PtInRegion(region, x, y);
    DeleteObject(region);
    return inside;
  }

  void ClickAt(TfcShapeBtn* b, int x, int y) { PressAndRelease(b, x, y, x, y); }

  void PressAndRelease(TfcShapeBtn* b, int x0, int y0, int x1, int y1) {
    PostMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, y0));
    PostMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x1, y1));
    Pump();
  }

  // Puts the real cursor at a client point of the button and tells it, as a mouse move does.
  void HoverAt(TfcShapeBtn* b, int x, int y) {
    const POINT p = ScreenPoint(b->Handle(), x, y);
    MoveCursor(p.x, p.y);
    PostMessageW(b->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    Pump();
  }

  int clicks = 0;
};

TEST_F(FcShapeBtnTest, WindowRegionIsTheStar) {
  TfcShapeBtn* b = MakeStar();
  ShowForm();
  HWND w = b->Handle();
  const std::vector<TPoint> star = StarPoints(88, 88);
  for (int y = 0; y < 88; ++y) {
    for (int x = 0; x < 88; ++x) {
      if (PolygonContains(star, x, y)) {
        ASSERT_TRUE(InRegion(w, x, y)) << x << "," << y;
      }
    }
  }
  for (POINT corner : {POINT{0, 0}, POINT{87, 0}, POINT{0, 87}, POINT{87, 87}, POINT{43, 80},
                       POINT{10, 10}, POINT{80, 10}})
    EXPECT_FALSE(InRegion(w, corner.x, corner.y)) << corner.x << "," << corner.y;

  // The window below gets what lies beside the figure.
  const POINT corner = ScreenPoint(w, 3, 3);
  EXPECT_EQ(WindowFromPoint(corner), form->Handle());
  const POINT centre = ScreenPoint(w, 43, 50);
  EXPECT_EQ(WindowFromPoint(centre), w);

  // A new size makes a new region.
  b->SetBounds(20, 20, 120, 60);
  Pump();
  EXPECT_TRUE(InRegion(w, 59, 40));
  EXPECT_TRUE(InRegion(w, 110, 22)); // the right tip of the wider star
  EXPECT_FALSE(InRegion(w, 100, 5));
}

TEST_F(FcShapeBtnTest, RealClicksOnTheCornerFallThrough) {
  TfcShapeBtn* b = MakeStar();
  int formClicks = 0;
  form->OnMouseDown = [&](ui::TComponent*, ui::TMouseButton, ui::TShiftState, int, int) {
    ++formClicks;
  };
  ShowForm();
  auto clickScreen = [&](POINT p) {
    MoveCursor(p.x, p.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    const int before = clicks + formClicks;
    for (int i = 0; i < 50 && clicks + formClicks == before; ++i) {
      Sleep(10);
      Pump();
    }
  };
  clickScreen(ScreenPoint(b->Handle(), 2, 2));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(formClicks, 1);
  clickScreen(ScreenPoint(b->Handle(), 43, 20));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(formClicks, 1);
}

TEST_F(FcShapeBtnTest, FaceOutlineAndCheckerboard) {
  TfcShapeBtn* b = MakeStar();
  ShowForm();
  const POINT away = ScreenPoint(form->Handle(), 300, 150); // on the form, far from the star
  MoveCursor(away.x, away.y);
  b->Invalidate();
  HWND w = b->Handle();
  EXPECT_EQ(b->KeyColor(), clRed);
  EXPECT_EQ(ScreenPixel(w, 43, 20), kViolet); // top tip
  EXPECT_EQ(ScreenPixel(w, 22, 75), kViolet); // lower left tip
  EXPECT_EQ(ScreenPixel(w, 10, 32), kViolet); // outline in the face colour: no bevel
  EXPECT_EQ(ScreenPixel(w, 11, 33), kViolet);

  // Down in its group: a one-pixel checkerboard of violet and blue, with the bevel.
  ClickAt(b, 43, 20);
  ASSERT_TRUE(b->Down());
  const COLORREF a = ScreenPixel(w, 43, 20);
  const COLORREF right = ScreenPixel(w, 44, 20);
  const COLORREF below = ScreenPixel(w, 43, 21);
  const COLORREF diagonal = ScreenPixel(w, 44, 21);
  EXPECT_TRUE((a == kViolet && right == kBlue) || (a == kBlue && right == kViolet));
  EXPECT_EQ(below, right);
  EXPECT_EQ(diagonal, a);
  // Down swaps light and shade: the lit upper edge of the left arm is teal outside,
  // silver inside.
  EXPECT_EQ(ScreenPixel(w, 10, 32), RGB(0, 128, 128));
  EXPECT_EQ(ScreenPixel(w, 11, 33), RGB(192, 192, 192));
}

TEST_F(FcShapeBtnTest, HoverDrawsTheBevelAndLeavingRemovesIt) {
  TfcShapeBtn* b = MakeStar();
  ShowForm();
  HWND w = b->Handle();
  HoverAt(b, 43, 50);
  ASSERT_TRUE(b->IsMouseOver());
  // The lit upper edge of the left arm: yellow on the outline, fuchsia one pixel in.
  EXPECT_EQ(ScreenPixel(w, 10, 32), RGB(255, 255, 0));
  EXPECT_EQ(ScreenPixel(w, 11, 33), RGB(255, 0, 255));
  // The shaded lower edge of the right arm: teal outside, silver inside.
  EXPECT_EQ(ScreenPixel(w, 74, 42), RGB(0, 128, 128));
  EXPECT_EQ(ScreenPixel(w, 43, 20), kViolet);

  const POINT away = ScreenPoint(form->Handle(), 300, 150);
  MoveCursor(away.x, away.y);
  PostMessageW(w, WM_MOUSELEAVE, 0, 0);
  Pump();
  EXPECT_FALSE(b->IsMouseOver());
  EXPECT_EQ(ScreenPixel(w, 10, 32), kViolet);
  EXPECT_EQ(ScreenPixel(w, 11, 33), kViolet);
}

TEST_F(FcShapeBtnTest, GroupedAllowAllUpTogglesOnEveryClick) {
  TfcShapeBtn* b = MakeStar();
  int selChanges = 0;
  b->OnSelChange = [&](ui::TComponent*) { ++selChanges; };
  ShowForm();
  EXPECT_FALSE(b->TabStop()); // not focusable, so out of the tab order
  ClickAt(b, 43, 50);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicks, 1);
  EXPECT_NE(GetFocus(), b->Handle()); // a press does not take the focus
  ClickAt(b, 43, 50);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(selChanges, 2);

  // Released outside the star: no click, no toggle, with or without a move first.
  PressAndRelease(b, 43, 50, 2, 2);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicks, 2);
  PostMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(43, 50));
  Pump();
  EXPECT_TRUE(b->Down()); // shown pressed while held
  PostMessageW(b->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(85, 85));
  Pump();
  EXPECT_FALSE(b->Down()); // and raised when the mouse slides off the figure
  PostMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(85, 85));
  Pump();
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FcShapeBtnTest, AClickHandlerThatThrowsStillEndsThePress) {
  TfcShapeBtn* b = MakeStar();
  b->SetGroupIndex(0); // shows pressed only while held
  b->OnClick = [this](ui::TComponent*) {
    ++clicks;
    throw ui::Exception("Ошибка OpenGL");
  };
  ShowForm();
  ClickAt(b, 43, 50);
  EXPECT_EQ(clicks, 1);
  ASSERT_EQ(errors.size(), 1u); // the error box, and the program goes on
  errors.clear();
  // A later drag over it with the button held (pressed elsewhere) neither shows it pressed nor
  // clicks it at the release.
  PostMessageW(b->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(43, 50));
  Pump();
  EXPECT_FALSE(b->Down());
  PostMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(43, 50));
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FcShapeBtnTest, GroupOfTwoAndUngroupedButtons) {
  TfcShapeBtn* a = MakeStar(10, 10);
  TfcShapeBtn* b = MakeStar(110, 10);
  a->SetAllowAllUp(false);
  b->SetAllowAllUp(false);
  ShowForm();
  ClickAt(a, 43, 50);
  EXPECT_TRUE(a->Down());
  ClickAt(b, 43, 50);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down()); // the group keeps one button down
  ClickAt(b, 43, 50);
  EXPECT_TRUE(b->Down()); // and without AllowAllUp it stays down
  EXPECT_EQ(clicks, 3);
  a->SetDown(true);
  EXPECT_FALSE(b->Down());

  // Without a group a button cannot stay down.
  b->SetGroupIndex(0);
  b->SetDown(true);
  EXPECT_FALSE(b->Down());
  ClickAt(b, 43, 50);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicks, 4);
}

TEST_F(FcShapeBtnTest, ToggleOnUpSpaceKindAndModalResult) {
  TfcShapeBtn* b = MakeStar();
  b->SetOptions({TfcButtonOption::boFocusable, TfcButtonOption::boToggleOnUp});
  b->SetModalResult(ui::mrOk);
  ShowForm();
  EXPECT_TRUE(b->TabStop());
  PostMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(43, 50));
  Pump();
  EXPECT_FALSE(b->Down()); // toggled on release only
  PostMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(43, 50));
  Pump();
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(form->ModalResult(), ui::mrOk);

  b->SetFocus();
  Pump();
  PostMessageW(b->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  PostMessageW(b->Handle(), WM_KEYUP, VK_SPACE, 0xC0000000);
  Pump();
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicks, 2);

  b->SetKind(TBitBtnKind::bkClose);
  ClickAt(b, 43, 50);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(clicks, 2); // a close button closes instead of raising OnClick
}

TEST_F(FcShapeBtnTest, DefaultAndCancelAnswerEnterAndEscape) {
  auto* edit = new ui::TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(200, 10, 100, 24);
  auto* memo = new ui::TMemo(form);
  memo->SetParent(form);
  memo->SetBounds(200, 50, 100, 60);
  TfcShapeBtn* b = MakeStar();
  b->SetDefault(true);
  ShowForm();
  auto key = [&](HWND target, WPARAM k) {
    SetFocus(target);
    PostMessageW(target, WM_KEYDOWN, k, 1);
    Pump();
  };
  key(edit->Handle(), VK_RETURN);
  EXPECT_EQ(clicks, 1);
  key(edit->Handle(), VK_ESCAPE); // not a cancel button
  EXPECT_EQ(clicks, 1);
  key(memo->Handle(), VK_RETURN); // the text area keeps its Enter and Escape
  key(memo->Handle(), VK_ESCAPE);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(memo->Text(), "\r\n");
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  b->SetDefault(false);
  b->SetCancel(true);
  key(edit->Handle(), VK_ESCAPE);
  EXPECT_EQ(clicks, 2);
}

TEST_F(FcShapeBtnTest, ParentClippingAndOtherFigures) {
  TfcShapeBtn* b = MakeStar();
  ShowForm();
  EXPECT_FALSE(b->ParentClipping()); // assigned while loading: the parent paints under it
  EXPECT_EQ(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_CLIPCHILDREN, 0);

  b->SetShape(TfcButtonShape::bsEllipse);
  EXPECT_TRUE(InRegion(b->Handle(), 44, 44));
  EXPECT_FALSE(InRegion(b->Handle(), 3, 3));
  b->SetShape(TfcButtonShape::bsTriangle);
  b->SetOrientation(TfcShapeOrientation::soDown);
  EXPECT_TRUE(InRegion(b->Handle(), 44, 5));
  EXPECT_FALSE(InRegion(b->Handle(), 44, 86) && InRegion(b->Handle(), 2, 86));

  // A pure red face is told from the outside by a blue key.
  b->SetShape(TfcButtonShape::bsStar);
  b->SetOrientation(TfcShapeOrientation::soUp);
  b->SetColor(ui::clRed);
  EXPECT_EQ(b->KeyColor(), clBlue);
  b->SetBounds(20, 20, 88, 89); // a resize recomputes the region with the new face
  b->SetBounds(20, 20, 88, 88);
  Pump();
  EXPECT_TRUE(InRegion(b->Handle(), 43, 50));
  EXPECT_FALSE(InRegion(b->Handle(), 2, 2));
}

} // namespace
} // namespace widgets::test
