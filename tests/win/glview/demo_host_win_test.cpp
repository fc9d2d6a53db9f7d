// The demo program's window hosted in-process: its view offers every feature, and a drag sent as
// real mouse messages turns the scene it shows (read back from the window through GDI, or with
// glReadPixels natively, since some Wine builds never show a child window's OpenGL on the screen).
#include "demo/demo_form.h"

#include <memory>

#include "ui/application.h"
#include "view_fixture.h"

namespace demo {
namespace {

using glview::test::TRGB;

class DemoHostTest : public ::testing::Test {
protected:
  void SetUp() override {
    savedSeams = ui::Application().Seams();
    ui::Application().Seams().ErrorBox = [this](HWND, const std::string& text, const std::string&) {
      errors.push_back(text);
    };
    form = std::make_unique<TDemoForm>(nullptr);
    form->Show();
    view = form->OpenGL1;
    Paint(); // the first paint builds the scene and starts the animation
    // A still scene seen straight on, so that what is drawn depends on the mouse alone.
    view->EnableAnimation(false);
    view->ProjectionMatrix().Identity();
    Paint();
  }
  void TearDown() override {
    form.reset();
    ui::Application().ProcessMessages();
    ui::Application().Seams() = savedSeams;
  }

  void Paint() {
    view->Invalidate();
    view->Update();
  }
  // Whether the colour is drawn on the horizontal line through the centre, at the scene's x,
  // within a pixel up or down (a line on a pixel boundary may land on either row).
  bool OnCentreLine(float sceneX, TRGB colour) {
    const int w = view->ClientWidth(), h = view->ClientHeight();
    const int x = static_cast<int>(w / 2.0f + sceneX * view->Aspect().X * w / 2.0f);
    for (int y = h / 2 - 2; y <= h / 2 + 1; ++y)
      if (glview::test::PixelAt(view, x, y) == colour)
        return true;
    return false;
  }
  void Send(UINT message, WPARAM keys, int x, int y) {
    SendMessageW(view->Handle(), message, keys, MAKELPARAM(x, y));
  }

  ui::TSeams savedSeams;
  std::vector<std::string> errors;
  std::unique_ptr<TDemoForm> form;
  glview::TOpenGL* view = nullptr;
};

constexpr TRGB kRed{255, 0, 0}, kDarkRed{128, 0, 0}, kBlue{0, 0, 255}, kDarkBlue{0, 0, 128};

TEST_F(DemoHostTest, OffersEveryFeatureOnAScene) {
  EXPECT_EQ(view->Possibility(), (glview::TPossibility{glview::pPopupMenu, glview::pMouseControl}));
  EXPECT_EQ(
      view->OptionsPossibility(),
      (glview::TOptionsPossibility{glview::opBackground, glview::opLight, glview::opAnimation}));
  ASSERT_EQ(view->ObjectCount(), 3);
  EXPECT_EQ(view->ObjectName(form->Axes), "Оси");
  EXPECT_EQ(view->ObjectName(form->Cube), "Куб");
  EXPECT_EQ(view->ObjectName(form->Leaf), "Лист");
  EXPECT_TRUE(view->Lighting());
  EXPECT_EQ(view->AnimationSpeed(), 1);
  EXPECT_TRUE(errors.empty());
}

TEST_F(DemoHostTest, ADragAcrossHalfTheWidthTurnsTheAxesAQuarterRound) {
  // Seen straight on: +x red to the right, -x dark red to the left.
  ASSERT_TRUE(OnCentreLine(0.8f, kRed));
  ASSERT_TRUE(OnCentreLine(-0.8f, kDarkRed));
  EXPECT_FALSE(OnCentreLine(-0.8f, kBlue));

  // Half the width to the right: -90 degrees about the vertical axis, so +z comes round to the
  // left and -z to the right, while x points at the viewer.
  const int w = view->ClientWidth(), h = view->ClientHeight();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, w / 4, h / 2);
  Send(WM_MOUSEMOVE, MK_LBUTTON, w / 4 + w / 4, h / 2);
  Send(WM_MOUSEMOVE, MK_LBUTTON, w / 4 + w / 2, h / 2);
  Send(WM_LBUTTONUP, 0, w / 4 + w / 2, h / 2);
  Paint();
  EXPECT_TRUE(OnCentreLine(-0.8f, kBlue));
  EXPECT_TRUE(OnCentreLine(0.8f, kDarkBlue));
  EXPECT_FALSE(OnCentreLine(0.8f, kRed));
  EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace demo
