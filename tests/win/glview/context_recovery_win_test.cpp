// What real systems do to a view that Wine never does: a context that stops working (a driver
// reset, a Remote Desktop reconnect), an off-screen buffer the driver takes back, and a view
// that nobody can see although its window is visible.
#include "view_fixture.h"

#include "glview/window_fit.h"

namespace glview::test {
namespace {

constexpr TRGB kNavy{0, 0, 128}, kYellow{255, 255, 0};

// A view whose context cannot be made current the next `Failures` times, and its off-screen
// frames, which report themselves lost the next `Losses` times they are asked.
class TFailingView : public TTestView {
public:
  using TTestView::TTestView;
  int Failures = 0;
  int Losses = 0;
  int Creates = 0;

  bool MakeCurrent() override {
    if (Failures > 0) {
      --Failures;
      ReleaseContext(); // as a dead context leaves it: nothing current
      return false;
    }
    return TTestView::MakeCurrent();
  }

protected:
  class TLosingFrame : public TOffscreenFrame {
  public:
    TLosingFrame(TOffscreenFrame&& made, int& losses)
        : TOffscreenFrame(std::move(made)), FLosses(losses) {}
    bool Lost() const override { return FLosses > 0 && FLosses-- > 0; }

  private:
    int& FLosses;
  };

  std::unique_ptr<TOffscreenFrame> CreateOffscreenFrame() override {
    std::unique_ptr<TOffscreenFrame> made = TTestView::CreateOffscreenFrame();
    if (!made)
      return nullptr;
    return std::make_unique<TLosingFrame>(std::move(*made), Losses);
  }
};

class ContextRecoveryTest : public ViewTest {
protected:
  void SetUp() override {
    ViewTest::SetUp();
    failing = AddView<TFailingView>(0, 60, 80, 40);
    failing->SetBGColor(ui::clNavy);
    failing->OnCreate = [this](ui::TComponent*) {
      ++failing->Creates;
      AddSquare(failing, "Square", ui::clYellow, 0.25f);
    };
    PaintNow(failing);
  }

  std::array<float, 2> FitInMatrix() const {
    const TMatrixValues& m = failing->ScreenMatrix().Values();
    return {m[0], m[5]};
  }
  static std::array<float, 2> FitFor(int width, int height) {
    const TAspect fit = *FitFactors(width, height);
    return {fit.X, fit.Y};
  }

  TFailingView* failing = nullptr;
};

TEST_F(ContextRecoveryTest, AContextThatFailsOnceIsMadeAnewWithItsSceneAndShowsAtOnce) {
  ASSERT_EQ(failing->Creates, 1);
  ASSERT_EQ(PixelAt(failing, 40, 20), kYellow);

  failing->Failures = 1;
  failing->SetBGColor(ui::clMaroon);
  PaintNow(failing);
  EXPECT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(failing->Creates, 2); // rebuilt through OnCreate
  EXPECT_EQ(failing->ObjectCount(), 1);
  EXPECT_NE(failing->GetContext(), nullptr);
  EXPECT_EQ(PixelAt(failing, 40, 20), kYellow);
  EXPECT_EQ(PixelAt(failing, 2, 2), (TRGB{128, 0, 0}));
  EXPECT_EQ(FitInMatrix(), FitFor(80, 40)); // fitted once, not on top of the old fit
  EXPECT_EQ(failing->GL().wglGetCurrentContext(), nullptr);

  // A failure met by a resize: the fit that could not enter the matrix then is not counted as
  // in it, and the next paint fits the window.
  failing->Failures = 1;
  failing->SetBounds(0, 60, 40, 80);
  EXPECT_EQ(FitInMatrix(), FitFor(80, 40));
  PaintNow(failing);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(FitInMatrix(), FitFor(40, 80));
  EXPECT_EQ(failing->Aspect(), (TAspect{1.0f, 0.5f}));
}

// A window's pixel format is set once: a recovery that needs another one makes the window anew.
TEST_F(ContextRecoveryTest, AWindowWhosePixelFormatMustChangeIsMadeAnew) {
  if (failing->PresentWay() != TPresentWay::Native)
    GTEST_SKIP() << "through GDI the window has no pixel format";
  const HWND before = failing->Handle();
  const int doubleBuffered = failing->PixelFormatIndex();
  failing->SetIsSwapBuffers(false); // the next context asks for a single-buffered format
  failing->Failures = 1;
  PaintNow(failing);
  EXPECT_TRUE(errors.empty()) << errors[0];
  EXPECT_NE(failing->Handle(), before);
  EXPECT_FALSE(IsWindow(before));
  ASSERT_NE(failing->PixelFormatIndex(), doubleBuffered);
  EXPECT_EQ(GetPixelFormat(failing->Canvas().Handle()), failing->PixelFormatIndex());
  EXPECT_EQ(failing->Creates, 2);
  EXPECT_EQ(FitInMatrix(), FitFor(80, 40)); // the new window fitted once
  EXPECT_EQ(PixelAt(failing, 40, 20), kYellow);
  EXPECT_EQ(PixelAt(failing, 2, 2), kNavy);
}

// Reported once with the texts of a failed set-up ("CreateContext is NULL", or the scene's own
// where its objects cannot be built); the next paint begins afresh.
TEST_F(ContextRecoveryTest, OnlyAContextThatCannotBeMadeAgainIsReported) {
  failing->Failures = 1000;
  PaintNow(failing);
  ASSERT_EQ(errors.size(), 1u);

  failing->Failures = 0; // the driver is back
  PaintNow(failing);
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_EQ(PixelAt(failing, 40, 20), kYellow);
  EXPECT_EQ(PixelAt(failing, 2, 2), kNavy);
  EXPECT_EQ(FitInMatrix(), FitFor(80, 40));
}

TEST_F(ContextRecoveryTest, ALostOffscreenBufferIsMadeAnewUnderTheSameContext) {
  if (failing->PresentWay() != TPresentWay::Gdi)
    GTEST_SKIP() << "the native way has no off-screen buffer";
  const HDC lostDC = failing->Offscreen()->DC();
  const HGLRC context = failing->GetContext();

  failing->Losses = 1;
  failing->SetBGColor(ui::clMaroon);
  PaintNow(failing);
  EXPECT_TRUE(errors.empty());
  EXPECT_NE(failing->Offscreen()->DC(), lostDC); // a new buffer
  EXPECT_EQ(failing->GetContext(), context);     // the same context, its lists and scene
  EXPECT_EQ(failing->Creates, 1);
  EXPECT_EQ(PixelAt(failing, 40, 20), kYellow);
  EXPECT_EQ(PixelAt(failing, 2, 2), (TRGB{128, 0, 0}));
}

// A minimised form keeps its children visible to IsWindowVisible; nobody sees them all the same.
TEST_F(ContextRecoveryTest, UnderAMinimisedFormTheSceneTurnsButNothingIsDrawn) {
  int paints = 0;
  failing->OnPaint = [&paints](ui::TComponent*) { ++paints; };
  failing->ProjectionDynamic().Rotate({0, 0, 1}, 10);
  failing->SetAnimationSpeed(1);
  failing->EnableAnimation(false); // ticks from the test only
  const TMatrixValues scene = failing->ProjectionMatrix().Values();
  const TMatrixValues step = failing->ProjectionStep().Values();

  ShowWindow(form->Handle(), SW_MINIMIZE);
  struct Restore {
    ~Restore() {
      ShowWindow(form->Handle(), SW_RESTORE);
      ui::Application().ProcessMessages();
    }
  } restore;
  ui::Application().ProcessMessages();
  ASSERT_TRUE(IsWindowVisible(failing->Handle()));
  failing->GL().wglMakeCurrent(nullptr, nullptr);
  paints = 0;
  for (int i = 0; i < 3; ++i)
    failing->AnimationTimer();
  ui::Application().ProcessMessages();
  EXPECT_EQ(paints, 0);
  EXPECT_EQ(failing->GL().wglGetCurrentContext(), nullptr);
  EXPECT_FALSE(RepaintPending(failing));
  EXPECT_EQ(failing->ProjectionMatrix().Values(),
            MultiplyValues(MultiplyValues(MultiplyValues(scene, step), step), step));
  EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace glview::test
