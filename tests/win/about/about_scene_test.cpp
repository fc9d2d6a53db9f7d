// The leaf scene in the About window's view: built at the first paint, turned by the animation
// timer, drawn as coloured leaves on black, and rebuilt from scratch at every close, by the star
// or by the close box; and the program's end while the About window is open.
#include "about_fixture.h"

#include "../app/log_scratch_directory.h"
#include "app/form1.h"
#include "glview/leaf_builder.h"

namespace about::test {
namespace {

using glview::TMatrixValues;

// Element (row, column) of a matrix in OpenGL's order.
float At(const TMatrixValues& m, int row, int column) {
  return m[column * 4 + row];
}

class AboutScene : public AboutTest {
protected:
  glview::TOpenGL& View() { return *about->OpenGL1; }
  glview::TVisualObject& Leaf(int index) { return View().GetVisualObject(index); }

  // The leaf's turn about its own X axis, in degrees, read from its placement.
  double LeafTurn(int index) {
    const TMatrixValues& m = Leaf(index).ModelMatrix().Values();
    return Degrees(At(m, 1, 1), At(m, 2, 1));
  }
  // The group's turn about the vertical axis, in degrees.
  double GroupTurn() {
    const TMatrixValues& m = View().ProjectionMatrix().Values();
    return Degrees(At(m, 0, 0), -At(m, 2, 0));
  }

  // Five new leaves, as a build makes them: names, look, placement and motion, the group's
  // motion, the view's own matrices back at their start, and the animation running; then turned
  // by `ticks` ticks of the animation.
  void ExpectFreshScene(const TMatrixValues& screenAtFirstBuild, int ticks = 0) {
    ASSERT_EQ(View().ObjectCount(), 5);
    for (int i = 0; i < 5; ++i) {
      SCOPED_TRACE(i);
      const TLeafPlacement& leaf = kLeaves[i];
      EXPECT_EQ(View().ObjectName(i), "Leaf" + std::to_string(i + 1));
      glview::TVisualObject& object = Leaf(i);
      EXPECT_TRUE(object.Visible());
      EXPECT_EQ(object.Color(), ui::clWhite);
      EXPECT_EQ(object.Material(), 0);
      EXPECT_FALSE(object.Wireframe());
      // Scaled, then moved in the scaled coordinates, then turned about its own X axis.
      const TMatrixValues& model = object.ModelMatrix().Values();
      const float s = leaf.Scale;
      const double a = leaf.Turn * ticks * 3.14159265358979323846 / 180;
      const TMatrixValues start{s,
                                0,
                                0,
                                0,
                                0,
                                s * static_cast<float>(std::cos(a)),
                                s * static_cast<float>(std::sin(a)),
                                0,
                                0,
                                -s * static_cast<float>(std::sin(a)),
                                s * static_cast<float>(std::cos(a)),
                                0,
                                s * leaf.X,
                                s * leaf.Y,
                                s * leaf.Z,
                                1};
      for (int e = 0; e < 16; ++e)
        EXPECT_NEAR(model[e], start[e], 1e-5) << "model element " << e;
      // Its motion: the leaf's turn about X per tick.
      const TMatrixValues& step = object.DynamicMatrix().Values();
      EXPECT_NEAR(Degrees(At(step, 1, 1), At(step, 2, 1)), leaf.Turn, 1e-4);
      EXPECT_NEAR(At(step, 0, 0), 1, 1e-6);
    }
    if (ticks == 0) {
      EXPECT_EQ(View().ProjectionMatrix().Values(), glview::kIdentityValues);
    }
    EXPECT_NEAR(GroupTurn(), ticks, 1e-3);
    const TMatrixValues& groupStep = View().ProjectionDynamic().Values();
    EXPECT_NEAR(Degrees(At(groupStep, 0, 0), -At(groupStep, 2, 0)), 1.0, 1e-4);
    EXPECT_NEAR(At(groupStep, 1, 1), 1, 1e-6);
    EXPECT_EQ(View().ScreenMatrix().Values(), screenAtFirstBuild);
    EXPECT_EQ(View().AnimationSpeed(), 1);
  }

  // The leaves as they were before a close: changed in every way a user could change them, and
  // turned, with the mouse too, so that a rebuilt scene cannot be mistaken for them.
  void DisturbScene() {
    View().EnableAnimation(false);
    for (int tick = 0; tick < 20; ++tick)
      AnimationTimer()->Tick();
    HWND view = View().Handle();
    SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(160, 140));
    SendMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(160, 140));
    for (int i = 0; i < View().ObjectCount(); ++i) {
      Leaf(i).SetVisible(false);
      Leaf(i).SetWireframe(true);
      Leaf(i).SetMaterial(5);
      Leaf(i).SetColor(ui::clRed);
    }
    ASSERT_NE(View().ProjectionMatrix().Values(), glview::kIdentityValues);
  }

  // A click on the star's face, delivered at once: no timer tick can come between the close and
  // what the test reads after it.
  void ClickStar() {
    HWND star = about->ButtonSpeedStar->Handle();
    SendMessageW(star, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(44, 50));
    SendMessageW(star, WM_LBUTTONUP, 0, MAKELPARAM(44, 50));
  }

  // Coloured leaves on black: the corners are background, and every other pixel carries a
  // leaf's colours (red 100..248, blue 20..168; green may have wrapped).
  void ExpectLeavesOnBlack() {
    const std::vector<std::array<int, 3>> frame = ViewFrame();
    const int width = View().ClientWidth(), height = View().ClientHeight();
    ASSERT_EQ(frame.size(), static_cast<size_t>(width) * height);
    const std::array<int, 3> black{0, 0, 0};
    EXPECT_EQ(frame.front(), black);
    EXPECT_EQ(frame.back(), black);
    EXPECT_EQ(frame[width - 1], black);
    int coloured = 0, stray = 0;
    for (const auto& p : frame) {
      if (p == black)
        continue;
      ++coloured;
      stray += p[0] < 99 || p[0] > 249 || p[2] < 19 || p[2] > 169;
    }
    EXPECT_GT(coloured, width * height / 50);
    EXPECT_LT(coloured, width * height / 2);
    EXPECT_EQ(stray, 0);
  }
};

TEST_F(AboutScene, TheFirstPaintBuildsFiveLeavesOnBlack) {
  EXPECT_FALSE(View().HasContext()); // nothing before the window is first shown
  EXPECT_EQ(View().ObjectCount(), 0);
  EXPECT_EQ(View().ModelScale(), 1.0f);
  EXPECT_EQ(View().Possibility(), glview::TPossibility{glview::pMouseControl});
  EXPECT_EQ(View().OptionsPossibility(),
            (glview::TOptionsPossibility{glview::opBackground, glview::opLight}));
  EXPECT_EQ(View().BGColor(), ui::clBlack);
  EXPECT_TRUE(View().IsSwapBuffers());
  EXPECT_FALSE(View().Lighting());

  ShowAbout();
  ASSERT_TRUE(View().HasContext());
  EXPECT_TRUE(View().AnimationEnabled());
  View().EnableAnimation(false); // no tick of its own from here on
  // Real ticks may have come during the show: the group has turned a whole degree for each.
  const int ticks = static_cast<int>(std::lround(GroupTurn()));
  ExpectFreshScene(View().ScreenMatrix().Values(), ticks);
  EXPECT_NE(View().ScreenMatrix().Values(), glview::kIdentityValues); // fitted to the window
  ExpectLeavesOnBlack();
}

// Whether a popup menu came up during a right click on the view; a menu that does is closed.
bool popupSeen = false;

void CALLBACK CloseShownPopup(HWND, UINT, UINT_PTR, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (menu && IsWindowVisible(menu)) {
    popupSeen = true;
    EndMenu();
  }
}

bool RightClickShowsAMenu(HWND view) {
  popupSeen = false;
  const UINT_PTR guard = SetTimer(nullptr, 0, 50, CloseShownPopup);
  SendMessageW(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));
  SendMessageW(view, WM_RBUTTONUP, 0, MAKELPARAM(100, 100));
  KillTimer(nullptr, guard);
  return popupSeen;
}

TEST_F(AboutScene, TheViewOffersNoPopupMenu) {
  ShowAbout();
  EXPECT_FALSE(RightClickShowsAMenu(View().Handle()));
  // The same click on a view that offers one does show it.
  View().SetPossibility({glview::pPopupMenu, glview::pMouseControl});
  EXPECT_TRUE(RightClickShowsAMenu(View().Handle()));
}

TEST_F(AboutScene, ALeafWithoutANameIsDrawnAtOnceAndMakesNoObject) {
  ShowAbout();
  glview::TLeafRandom random(1);
  View().GL().wglMakeCurrent(View().DrawDC(), View().GetContext());
  EXPECT_EQ(glview::AddLeaf(View(), "", random), -1);
  View().GL().wglMakeCurrent(nullptr, nullptr);
  EXPECT_EQ(View().ObjectCount(), 5);
}

TEST_F(AboutScene, EachTickTurnsEveryLeafByItsOwnStepAndTheGroupByOneDegree) {
  ShowAbout();
  View().EnableAnimation(false);
  ui::TTimer* timer = AnimationTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->Interval(), 55u);
  // Real ticks may have come before the timer was stopped: count from where the scene is.
  double leafBefore[5];
  for (int i = 0; i < 5; ++i)
    leafBefore[i] = LeafTurn(i);
  const double groupBefore = GroupTurn();
  const auto before = ViewFrame();

  const int n = 40;
  for (int tick = 0; tick < n; ++tick)
    timer->Tick();
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(kLeaves[i].Name);
    EXPECT_NEAR(Wrapped(LeafTurn(i) - leafBefore[i] - kLeaves[i].Turn * n), 0.0, 0.01);
    // Turned about its own point 0: the centre stays where scale and move put it.
    const TMatrixValues& m = Leaf(i).ModelMatrix().Values();
    EXPECT_NEAR(m[12], kLeaves[i].Scale * kLeaves[i].X, 1e-5);
    EXPECT_NEAR(m[13], kLeaves[i].Scale * kLeaves[i].Y, 1e-5);
    EXPECT_NEAR(m[14], kLeaves[i].Scale * kLeaves[i].Z, 1e-5);
    EXPECT_NEAR(std::hypot(At(m, 1, 1), At(m, 2, 1)), kLeaves[i].Scale, 1e-5);
  }
  // Leaf5: 5.1 degrees a tick, 204 in all.
  EXPECT_NEAR(Wrapped(LeafTurn(4) - leafBefore[4]), Wrapped(204.0), 0.01);
  EXPECT_NEAR(Wrapped(GroupTurn() - groupBefore), 40.0, 0.01);
  EXPECT_TRUE(GetUpdateRect(View().Handle(), nullptr, FALSE)); // each tick asks for a paint
  EXPECT_NE(ViewFrame(), before);
  ExpectLeavesOnBlack();
}

TEST_F(AboutScene, ClosingByTheStarHidesTheWindowAndBuildsAFreshScene) {
  ShowAbout();
  HWND window = about->Handle();
  const TMatrixValues screen = View().ScreenMatrix().Values();
  DisturbScene();
  EXPECT_FALSE(about->ButtonSpeedStar->Down());

  ClickStar();
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(about->Handle(), window);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(about->ButtonSpeedStar->Down()); // the click toggled it
  EXPECT_TRUE(View().AnimationEnabled());
  ExpectFreshScene(screen);

  // Shown again: where it was, the new scene, and the star still pressed.
  about->Show();
  Pump();
  View().EnableAnimation(false);
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, 269);
  EXPECT_EQ(frame.top, 145);
  EXPECT_TRUE(about->ButtonSpeedStar->Down());
  ExpectLeavesOnBlack();

  // The next click raises it and closes again.
  DisturbScene();
  ClickStar();
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_FALSE(about->ButtonSpeedStar->Down());
  ExpectFreshScene(screen);
}

TEST_F(AboutScene, TheCloseBoxClosesLikeTheStarButLeavesTheStarAlone) {
  ShowAbout();
  HWND window = about->Handle();
  const TMatrixValues screen = View().ScreenMatrix().Values();
  DisturbScene();
  SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_FALSE(about->ButtonSpeedStar->Down());
  ExpectFreshScene(screen);

  // With the star pressed by an earlier close, the close box keeps it pressed.
  ShowAbout();
  ClickStar();
  ASSERT_TRUE(about->ButtonSpeedStar->Down());
  ShowAbout();
  DisturbScene();
  SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(about->ButtonSpeedStar->Down());
  ExpectFreshScene(screen);
}

TEST_F(AboutScene, TheSceneKeepsTurningWhileTheWindowIsHidden) {
  ShowAbout();
  ClickStar();
  ASSERT_FALSE(IsWindowVisible(about->Handle()));
  EXPECT_TRUE(View().AnimationEnabled());
  View().EnableAnimation(false);
  EXPECT_EQ(GroupTurn(), 0.0); // the fresh scene, not yet turned
  EXPECT_NEAR(LeafTurn(4), 0.0, 1e-6);
  for (int tick = 0; tick < 10; ++tick)
    AnimationTimer()->Tick();
  EXPECT_NEAR(GroupTurn(), 10.0, 0.01);
  EXPECT_NEAR(LeafTurn(4), 51.0, 0.01);
  // Reopened: the new scene, advanced by the ticks since the close.
  about->Show();
  Pump();
  EXPECT_NEAR(GroupTurn(), 10.0, 1e-3);
  ExpectLeavesOnBlack();
}

// Start-up's two windows: closing the conversation window ends the program even while the
// About window is open, and the conversation is logged.
TEST(AboutWithConversation, ClosingTheConversationWindowEndsTheProgramWhileAboutIsOpen) {
  testing_support::TScratchDirectory scratch; // "Your.txt" and "untitled.ini" go here
  ui::TApplication& application = ui::Application();
  const ui::TSeams saved = application.Seams();
  std::vector<std::string> errors;
  application.Seams().ErrorBox = [&errors](HWND, const std::string& text, const std::string&) {
    errors.push_back(text);
  };
  application.SetTitle("Тарвель (ver. 5.5.0.5)");
  application.ResetTerminated();
  application.SetMainForm(nullptr);
  app::TForm1* Form1 = nullptr;
  TAboutFrm* AboutFrm = nullptr;
  application.CreateForm(Form1);
  application.CreateForm(AboutFrm);
  Form1->HelpForm = AboutFrm;
  EXPECT_EQ(application.MainForm(), Form1);
  EXPECT_FALSE(IsWindowVisible(AboutFrm->Handle()));

  Form1->Show();
  application.ProcessMessages();
  // Alt+С in the conversation area: the Help item.
  PostMessageW(Form1->Memo1->Handle(), WM_SYSCHAR, L'с', 1 << 29);
  application.ProcessMessages();
  ASSERT_TRUE(IsWindowVisible(AboutFrm->Handle()));
  application.ProcessMessages();
  EXPECT_EQ(AboutFrm->OpenGL1->ObjectCount(), 5);

  // The loop as start-up runs it, with a close command waiting for the conversation window.
  PostMessageW(Form1->Handle(), WM_CLOSE, 0, 0);
  application.Run();
  EXPECT_TRUE(application.Terminated());
  EXPECT_TRUE(IsWindowVisible(AboutFrm->Handle())); // the loop ended with it open
  const std::string log = testing_support::FileBytes(L"Your.txt");
  EXPECT_NE(log, "<missing>");
  EXPECT_TRUE(errors.empty());

  application.SetMainForm(nullptr);
  delete AboutFrm;
  delete Form1;
  application.ProcessMessages();
  application.ResetTerminated();
  application.Seams() = saved;
}

} // namespace
} // namespace about::test
