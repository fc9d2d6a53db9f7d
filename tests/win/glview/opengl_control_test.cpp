// The view control on a real form: context creation, paint cycle, colours, objects, animation,
// error reports, resets.
#include "view_fixture.h"

#include <cmath>

#include "glview/gl_error.h"
#include "ui/exception.h"
#include "ui/handles.h"

namespace glview::test {
namespace {

constexpr TRGB kBlack{0, 0, 0};

TEST_F(ViewTest, ContextAppearsAtTheFirstPaintAndOnCreateRunsOnce) {
  int creates = 0;
  HGLRC currentDuringCreate = nullptr;
  view->OnCreate = [&](ui::TComponent* sender) {
    ++creates;
    EXPECT_EQ(sender, view);
    currentDuringCreate = view->GL().wglGetCurrentContext();
  };
  EXPECT_FALSE(view->HasContext());
  PaintNow();
  ASSERT_TRUE(view->HasContext());
  EXPECT_EQ(creates, 1);
  EXPECT_EQ(currentDuringCreate, view->GetContext());
  EXPECT_EQ(view->GL().wglGetCurrentContext(), nullptr); // the paint released it
  PaintNow();
  PaintNow();
  EXPECT_EQ(creates, 1);

  // The format asked for: double-buffered, 24-bit colour, 32-bit depth.
  const PIXELFORMATDESCRIPTOR& pfd = view->PixelFormatDescriptor();
  EXPECT_EQ(pfd.nSize, 40);
  EXPECT_EQ(pfd.dwFlags, 0x1025u);
  EXPECT_EQ(pfd.cColorBits, 24);
  EXPECT_EQ(pfd.cDepthBits, 32);
  EXPECT_GT(view->PixelFormatIndex(), 0);
  EXPECT_TRUE(errors.empty());
}

TEST_F(ViewTest, ResetSceneBeforeAnyPaintRaisesOnCreateTwiceAndFreesTheFirstScene) {
  int creates = 0;
  GLuint firstList = 0;
  view->OnCreate = [&](ui::TComponent*) {
    ++creates;
    const int i = AddSquare(view, "Leaf" + std::to_string(creates), ui::clLime);
    if (creates == 1)
      firstList = view->GetVisualObject(i).ListId();
  };
  view->ResetScene();
  EXPECT_EQ(creates, 2);
  ASSERT_EQ(view->ObjectCount(), 1);
  EXPECT_EQ(view->ObjectName(0), "Leaf2"); // numbered from 0 again
  view->MakeCurrent();
  // A driver may hand the freed name out again (Mesa 25 does): that, too, shows it was freed.
  const GLuint secondList = view->GetVisualObject(0).ListId();
  EXPECT_TRUE(secondList == firstList || !view->GL().IsList(firstList));
  EXPECT_TRUE(view->GL().IsList(secondList));

  // Without a handler a reset leaves no objects.
  view->OnCreate = nullptr;
  view->ResetScene();
  EXPECT_EQ(view->ObjectCount(), 0);
}

TEST_F(ViewTest, ClearsToTheBackgroundColourIgnoringItsTopByte) {
  view->SetBGColor(0x00FF8000); // bytes 0, 128, 255 from the lowest
  PaintNow();
  EXPECT_EQ(Centre(), (TRGB{0, 128, 255}));
  EXPECT_EQ(CountOf(Frame(view), {0, 128, 255}), 100 * 50); // no objects: background only

  view->SetBGColor(static_cast<ui::TColor>(0x80FF8000u)); // a system colour is not translated
  PaintNow();
  EXPECT_EQ(Centre(), (TRGB{0, 128, 255}));
}

TEST_F(ViewTest, DrawsAnObjectInItsColourMaterialFillModeAndVisibility) {
  int index = -1;
  view->OnCreate = [&](ui::TComponent*) { index = AddSquare(view, "Square", ui::clRed); };
  PaintNow();
  EXPECT_EQ(Centre(), (TRGB{255, 0, 0}));
  TVisualObject& square = view->GetVisualObject(index);

  // Lit, the default normal faces away from the light, so only the global ambient light (0.5)
  // shows: half the colour in colour mode, half the material's ambient with a material.
  view->SetLighting(true);
  PaintNow();
  EXPECT_NEAR(Centre()[0], 128, 1);
  EXPECT_EQ(Centre()[1], 0);
  square.SetMaterial(1); // emerald, ambient 0.0215, 0.1745, 0.0215
  PaintNow();
  const TRGB emerald = Centre();
  EXPECT_NEAR(emerald[0], 3, 1);
  EXPECT_NEAR(emerald[1], 22, 1);
  EXPECT_NEAR(emerald[2], 3, 1);
  square.SetColor(ui::clLime); // no effect while a material is set
  PaintNow();
  EXPECT_EQ(Centre(), emerald);

  // "Каркас": the polygon's vertices as unlit points in the object's colour, nothing inside.
  square.SetWireframe(true);
  PaintNow();
  const std::vector<TRGB> points = Frame(view);
  EXPECT_EQ(Centre(), kBlack);
  EXPECT_GE(CountOf(points, {0, 255, 0}), 4);
  EXPECT_LE(CountOf(points, {0, 255, 0}), 16);
  EXPECT_EQ(CountOf(points, {0, 255, 0}) + CountOf(points, kBlack), 100 * 50);

  square.SetWireframe(false);
  square.SetVisible(false);
  PaintNow();
  EXPECT_EQ(CountOf(Frame(view), kBlack), 100 * 50);
  EXPECT_TRUE(errors.empty());
}

TEST_F(ViewTest, SettersRequestRepaintsOnlyWhereTheyShowSomething) {
  int shown = -1, hidden = -1;
  view->OnCreate = [&](ui::TComponent*) {
    shown = view->BeginObject("Shown", ui::clRed);
    view->EndObject(shown);
    hidden = view->AddVisualObject("Hidden");
  };
  PaintNow();
  TVisualObject& a = view->GetVisualObject(shown);
  TVisualObject& b = view->GetVisualObject(hidden);
  ForgetRepaint();

  a.SetColor(ui::clRed); // the same colour on a visible object still asks
  EXPECT_TRUE(RepaintPending());
  ForgetRepaint();
  a.SetMaterial(0);
  a.SetWireframe(false);
  a.SetVisible(true);
  a.SetMaterial(26); // beyond the table: ignored
  EXPECT_FALSE(RepaintPending());
  EXPECT_EQ(a.Material(), 0);
  a.SetMaterial(3);
  EXPECT_TRUE(RepaintPending());
  ForgetRepaint();

  b.SetColor(ui::clBlue);
  b.SetMaterial(5);
  b.SetWireframe(true);
  EXPECT_FALSE(RepaintPending()); // hidden: nothing to show
  EXPECT_EQ(b.Color(), ui::clBlue);
  b.SetVisible(true);
  EXPECT_TRUE(RepaintPending());
  ForgetRepaint();

  view->SetBGColor(0);
  view->SetLighting(false);
  view->SetCaption("");
  EXPECT_FALSE(RepaintPending());
  view->SetLighting(true);
  EXPECT_TRUE(RepaintPending());
  ForgetRepaint();
  view->SetCaption("x");
  EXPECT_TRUE(RepaintPending());

  // Before the owner has a context nothing is requested.
  TTestView* other = AddView(100, 0, 40, 40);
  TVisualObject& early = other->GetVisualObject(other->AddVisualObject("Early"));
  ForgetRepaint(other);
  early.SetVisible(true);
  early.SetColor(ui::clRed);
  EXPECT_FALSE(RepaintPending(other));
}

TEST_F(ViewTest, ConstructionMakesNoContextAndSetsTheDefaults) {
  EXPECT_FALSE(view->HasContext());
  EXPECT_EQ(view->Caption(), "");
  EXPECT_EQ(view->ModelScale(), 1.0f);
  EXPECT_EQ(view->Possibility(), (TPossibility{pPopupMenu, pMouseControl}));
  EXPECT_EQ(view->OptionsPossibility(), (TOptionsPossibility{opBackground, opLight, opAnimation}));
  EXPECT_TRUE(view->IsSwapBuffers());
  EXPECT_FALSE(view->Lighting());
  EXPECT_EQ(view->BGColor(), 0);
  EXPECT_FALSE(view->AnimationEnabled());
  EXPECT_TRUE(view->Opaque());
  EXPECT_EQ(view->Aspect(), (TAspect{0.5f, 1.0f})); // 100 x 50, recorded before any context
}

TEST_F(ViewTest, NewObjectsAndObjectAccess) {
  PaintNow();
  view->MakeCurrent();
  TVisualObject& fresh = view->GetVisualObject(view->AddVisualObject("Twin"));
  EXPECT_FALSE(fresh.Visible());
  EXPECT_EQ(fresh.Color(), 0);
  EXPECT_EQ(fresh.Material(), 0);
  EXPECT_FALSE(fresh.Wireframe());
  EXPECT_EQ(fresh.MenuOptions().Bits(), 15);
  EXPECT_EQ(fresh.ModelMatrix().MatrixMode(), kModelViewMode);
  EXPECT_NE(fresh.ListId(), fresh.Texture().ListId());
  EXPECT_EQ(view->AddVisualObject("Twin"), 1); // names need not be unique

  EXPECT_EQ(view->BeginObject("", ui::clRed), -1);
  EXPECT_EQ(view->ObjectCount(), 2);
  EXPECT_NO_THROW(view->EndObject(-1));
  try {
    view->GetVisualObject(2);
    ADD_FAILURE();
  } catch (const ui::EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (2)");
  }
  EXPECT_THROW(view->GetVisualObject(-1), ui::EListError);
}

TEST_F(ViewTest, BuiltInAxesAndSquare) {
  view->SetBounds(0, 0, 60, 60);
  view->OnCreate = [&](ui::TComponent*) {
    EXPECT_EQ(view->AddAxes("Axis", true, 1, 1, 1), 0);
    view->AddSysCube();
  };
  PaintNow();
  ASSERT_EQ(view->ObjectCount(), 2);
  EXPECT_EQ(view->GetVisualObject(0).Color(), ui::clWhite);
  EXPECT_EQ(view->ObjectName(1), "SysCube");
  EXPECT_TRUE(view->GetVisualObject(1).Visible());
  const std::vector<TRGB> frame = Frame(view);
  EXPECT_GT(CountOf(frame, {255, 0, 0}), 20); // +x
  EXPECT_GT(CountOf(frame, {128, 0, 0}), 20); // -x
  EXPECT_GT(CountOf(frame, {0, 255, 0}), 20); // +y
  EXPECT_GT(CountOf(frame, {0, 128, 0}), 20); // -y
  EXPECT_TRUE(errors.empty());
}

// The expected values are worked out with the same arithmetic, free of any context.
TMatrixValues Power(const TMatrixValues& start, const TMatrixValues& step, int times) {
  const TAlwaysCurrent always;
  TViewMatrix m(kProjectionMode, always);
  m.SetValues(start);
  for (int i = 0; i < times; ++i)
    m.Multiply(step);
  return m.Values();
}

TEST_F(ViewTest, TicksMoveTheSceneAndEveryObjectBySpeedSteps) {
  int shown = -1, hidden = -1;
  view->OnCreate = [&](ui::TComponent*) {
    shown = view->BeginObject("Shown", ui::clRed);
    view->EndObject(shown);
    hidden = view->AddVisualObject("Hidden");
    view->ProjectionDynamic().Rotate(YAxis, 10);
    view->GetVisualObject(shown).DynamicMatrix().Rotate(XAxis, 4);
    view->GetVisualObject(hidden).DynamicMatrix().Translate(0.25f, 0, 0);
  };
  PaintNow();
  TVisualObject& a = view->GetVisualObject(shown);
  TVisualObject& b = view->GetVisualObject(hidden);
  const TMatrixValues scene = view->ProjectionDynamic().Values();
  const TMatrixValues stepA = a.DynamicMatrix().Values(), stepB = b.DynamicMatrix().Values();

  view->SetAnimationSpeed(3);
  EXPECT_TRUE(view->AnimationEnabled());
  EXPECT_EQ(view->AnimationSpeed(), 3);
  ForgetRepaint();
  view->AnimationTimer();
  EXPECT_TRUE(RepaintPending());
  EXPECT_EQ(view->ProjectionMatrix().Values(), Power(kIdentityValues, scene, 3));
  EXPECT_EQ(a.ModelMatrix().Values(), Power(kIdentityValues, stepA, 3));
  EXPECT_EQ(b.ModelMatrix().Values(), Power(kIdentityValues, stepB, 3)); // hidden, moved

  // Backwards one step per tick: three ticks undo the forward one.
  view->SetAnimationSpeed(-1);
  for (int i = 0; i < 3; ++i)
    view->AnimationTimer();
  for (int i = 0; i < 16; ++i) {
    EXPECT_NEAR(view->ProjectionMatrix().Values()[i], kIdentityValues[i], 1e-5f);
    EXPECT_NEAR(b.ModelMatrix().Values()[i], kIdentityValues[i], 1e-5f);
  }

  view->SetAnimationSpeed(0);
  EXPECT_FALSE(view->AnimationEnabled());
  EXPECT_EQ(view->ProjectionStep().Values(), kIdentityValues);
  EXPECT_EQ(a.StepMatrix().Values(), kIdentityValues);

  // A motion that cannot be inverted: the speed and the stopped timer stay.
  view->ProjectionDynamic().Scale(0, 1, 1);
  view->MakeCurrent();
  try {
    view->SetAnimationSpeed(-2);
    ADD_FAILURE();
  } catch (const ui::Exception& e) {
    EXPECT_EQ(e.Message(), "Вырожденная матрица");
  }
  EXPECT_FALSE(view->AnimationEnabled());
  EXPECT_EQ(view->AnimationSpeed(), 0);
}

TEST_F(ViewTest, AnOpenGLErrorWhileBuildingIsChargedToTheObject) {
  const TOpenGLApi& gl = view->GL();
  PaintNow();
  view->MakeCurrent();
  gl.Enable(0x1234); // an error left over from before is not charged to the next object
  const int index = view->BeginObject("Leaf1", ui::clWhite);
  gl.NewList(999, GL_COMPILE); // lists do not nest: an invalid operation
  try {
    view->EndObject(index);
    ADD_FAILURE() << "no error";
  } catch (const EOpenGLError& e) {
    EXPECT_EQ(e.Message(), "Ошибка построения Leaf1 (Недопустимая операция)");
  }
}

TEST_F(ViewTest, ASingularLightingMatrixIsReportedOncePerPaintAndNeverNested) {
  view->SetLighting(true);
  view->SetModelScale(0);
  PaintNow();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Вырожденная матрица.");
  EXPECT_FALSE(RepaintPending());                        // the paint ended all the same
  EXPECT_EQ(view->GL().wglGetCurrentContext(), nullptr); // and released the context
  ui::Application().ProcessMessages();
  EXPECT_EQ(errors.size(), 1u); // no repetition without a new request

  // While the box is open, the repaints that the window system sends fail quietly.
  const int suppressedBefore = ui::Application().SuppressedErrors();
  ui::Application().Seams().ErrorBox = [this](HWND, const std::string& text, const std::string&) {
    errors.push_back(text);
    PaintNow();
    PaintNow();
  };
  PaintNow();
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(ui::Application().SuppressedErrors(), suppressedBefore + 2);
}

TEST_F(ViewTest, ACaptionFontIsShownAtTheViewsDpi) {
  TTestView* scaled = AddView(0, 0, 40, 40);
  scaled->ScaleForDpi(144);
  ui::TFont font; // described at the design DPI
  font.SetHeight(-11);
  scaled->SetFont(font);
  EXPECT_EQ(scaled->Font().Height(), -17);
  EXPECT_EQ(scaled->Font().PixelsPerInch(), 144);
}

TEST_F(ViewTest, DrawsTheCaptionFromTheCentre) {
  view->SetCaption("WWWW");
  view->Canvas().Font.SetColor(ui::clRed);
  view->Canvas().Brush.SetStyle(ui::TBrushStyle::bsClear);
  PaintNow();
  // Under Wine a child window with OpenGL does not answer GetPixel itself; what GDI drew on it
  // shows in the form's DC (the view sits at the form's client origin).
  ui::WindowDC formDC(form->Handle());
  int inside = 0, outside = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 100; ++x) {
      const bool red = GetPixel(formDC.get(), x, y) == RGB(255, 0, 0);
      (x >= 50 && y >= 25 ? inside : outside) += red;
    }
  EXPECT_GT(inside, 20);
  EXPECT_EQ(outside, 0);
}

TEST_F(ViewTest, WithoutBufferSwapsTheFormatIsSingleBufferedAndGdiCapable) {
  view->SetIsSwapBuffers(false);
  view->SetBGColor(0x00FF8000);
  PaintNow();
  ASSERT_TRUE(view->HasContext()) << (errors.empty() ? "" : errors[0]);
  EXPECT_EQ(view->PixelFormatDescriptor().dwFlags, 0x1034u);
  if (view->PresentWay() == TPresentWay::Native) { // through GDI the window has no format
    PIXELFORMATDESCRIPTOR chosen{};
    DescribePixelFormat(view->Canvas().Handle(), view->PixelFormatIndex(), sizeof chosen, &chosen);
    EXPECT_TRUE(chosen.dwFlags & PFD_SUPPORT_GDI);
    EXPECT_FALSE(chosen.dwFlags & PFD_DOUBLEBUFFER);
  }
  EXPECT_EQ(Centre(), (TRGB{0, 128, 255}));
}

TEST_F(ViewTest, FitsTheWindowRelativeToThePreviousFit) {
  auto diagonal = [this] {
    const TMatrixValues& m = view->ScreenMatrix().Values();
    return std::array<float, 4>{m[0], m[5], m[10], m[15]};
  };
  view->SetBounds(0, 0, 200, 100);
  EXPECT_EQ(view->Aspect(), (TAspect{0.5f, 1.0f})); // recorded before the first paint
  view->SetBounds(0, 0, 160, 80);
  PaintNow(); // fits from the identity
  EXPECT_EQ(diagonal(), (std::array<float, 4>{0.5f, 1, 1, 1}));

  view->SetBounds(0, 0, 80, 160);
  EXPECT_EQ(view->Aspect(), (TAspect{1.0f, 0.5f}));
  EXPECT_EQ(diagonal(), (std::array<float, 4>{1, 0.5f, 1, 1}));

  // No area: the fit waits, nothing infinite enters the matrix.
  view->SetBounds(0, 0, 0, 160);
  view->SetBounds(0, 0, 80, 0);
  EXPECT_EQ(view->Aspect(), (TAspect{1.0f, 0.5f}));
  for (float v : view->ScreenMatrix().Values())
    EXPECT_TRUE(std::isfinite(v));
  view->SetBounds(0, 0, 160, 80);
  EXPECT_EQ(diagonal(), (std::array<float, 4>{0.5f, 1, 1, 1}));

  // A scene set up while the view has no area gets its whole fit once it has one.
  TTestView* flat = AddView(0, 100, 0, 0);
  flat->ResetScene();
  EXPECT_EQ(flat->Aspect(), (TAspect{0.0f, 0.0f}));
  EXPECT_EQ(flat->ScreenMatrix().Values(), kIdentityValues);
  flat->SetBounds(0, 100, 50, 100);
  EXPECT_EQ(flat->ScreenMatrix().Values()[5], 0.5f);
  EXPECT_EQ(flat->ScreenMatrix().Values()[0], 1.0f);
}

TEST_F(ViewTest, AWindowMadeAgainIsFittedOnceAndKeepsZoomPanAndTurn) {
  int creates = 0;
  view->OnCreate = [&](ui::TComponent*) { ++creates; };
  view->SetBounds(0, 0, 200, 100);
  PaintNow();
  // Zoomed, panned and turned by the mouse.
  HWND window = view->Handle();
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(50, 30));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, MAKELPARAM(70, 40));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(90, 45));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(90, 45));
  const TMatrixValues screen = view->ScreenMatrix().Values();
  const TMatrixValues turn = view->ProjectionMatrix().Values();
  ASSERT_NE(turn, kIdentityValues);

  view->DestroyHandle();
  EXPECT_FALSE(view->HasContext());
  view->HandleNeeded();
  PaintNow(); // a new window, context and scene
  ASSERT_TRUE(view->HasContext());
  EXPECT_EQ(creates, 2);
  EXPECT_EQ(view->Aspect(), (TAspect{0.5f, 1.0f}));
  for (int i = 0; i < 16; ++i) {
    EXPECT_NEAR(view->ScreenMatrix().Values()[i], screen[i], 1e-6f) << "element " << i;
    EXPECT_EQ(view->ProjectionMatrix().Values()[i], turn[i]) << "element " << i;
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(ViewTest, TheFrameComesOutTheRightWayUpAndRoundAndFillsTheWindow) {
  view->SetBounds(0, 0, 60, 60);
  view->OnCreate = [this](ui::TComponent*) { // a square in the upper right quarter
    const int index = view->BeginObject("Corner", ui::clYellow);
    const TOpenGLApi& gl = view->GL();
    gl.Begin(GL_QUADS);
    gl.Vertex3f(0.2f, 0.2f, 0);
    gl.Vertex3f(0.8f, 0.2f, 0);
    gl.Vertex3f(0.8f, 0.8f, 0);
    gl.Vertex3f(0.2f, 0.8f, 0);
    gl.End();
    view->EndObject(index);
  };
  PaintNow();
  EXPECT_EQ(PixelAt(45, 15), (TRGB{255, 255, 0}));
  EXPECT_EQ(PixelAt(15, 15), kBlack);
  EXPECT_EQ(PixelAt(45, 45), kBlack);
  EXPECT_EQ(PixelAt(15, 45), kBlack);
  EXPECT_EQ(CountOf(Frame(view), {255, 255, 0}), 18 * 18);
}

// The scene of a view nobody sees keeps turning, without its context made current and without
// repaints; shown again, it shows the state it has reached at once.
TEST_F(ViewTest, AHiddenViewTurnsWithoutAContextOrARepaintAndShowsWhereItIsOnceShown) {
  view->SetBounds(0, 0, 60, 60);
  int index = -1;
  view->OnCreate = [&](ui::TComponent*) {
    index = AddSquare(view, "Square", ui::clLime, 0.3f);
    view->GetVisualObject(index).ModelMatrix().Translate(0.4f, 0, 0);
    view->GetVisualObject(index).DynamicMatrix().Rotate(XAxis, 4);
    view->ProjectionDynamic().Rotate({0, 0, 1}, 10);
    view->SetAnimationSpeed(1);
    view->EnableAnimation(false); // ticks from the test only
  };
  PaintNow();
  const std::vector<TRGB> before = Frame(view);
  const TMatrixValues scene = view->ProjectionMatrix().Values();
  const TMatrixValues model = view->GetVisualObject(index).ModelMatrix().Values();
  const TMatrixValues sceneStep = view->ProjectionStep().Values();
  const TMatrixValues modelStep = view->GetVisualObject(index).StepMatrix().Values();

  view->SetVisible(false);
  view->GL().wglMakeCurrent(nullptr, nullptr);
  for (int i = 0; i < 6; ++i)
    view->AnimationTimer();
  EXPECT_EQ(view->GL().wglGetCurrentContext(), nullptr);
  EXPECT_FALSE(RepaintPending());
  EXPECT_EQ(view->ProjectionMatrix().Values(), Power(scene, sceneStep, 6));
  EXPECT_EQ(view->GetVisualObject(index).ModelMatrix().Values(), Power(model, modelStep, 6));

  view->SetVisible(true);
  view->Update(); // the paint that showing the window asks for, nothing more
  const std::vector<TRGB> shown = Frame(view);
  EXPECT_NE(shown, before);
  PaintNow();
  EXPECT_EQ(shown, Frame(view));
  EXPECT_TRUE(errors.empty());
}

TEST_F(ViewTest, SeveralViewsOnOneFormKeepTheirOwnContexts) {
  TTestView* second = AddView(120, 0, 100, 50);
  view->SetBGColor(ui::clNavy);
  second->SetBGColor(ui::clMaroon);
  auto build = [](TTestView* target, ui::TColor colour) {
    target->OnCreate = [target, colour](ui::TComponent*) {
      AddSquare(target, "Square", colour, 0.25f);
    };
  };
  build(view, ui::clYellow);
  build(second, ui::clAqua);
  PaintNow(second);
  PaintNow(view);
  PaintNow(second);
  EXPECT_NE(view->GetContext(), second->GetContext());
  EXPECT_EQ(Centre(), (TRGB{255, 255, 0}));
  EXPECT_EQ(PixelAt(view, 2, 2), (TRGB{0, 0, 128}));
  EXPECT_EQ(PixelAt(second, 50, 25), (TRGB{0, 255, 255}));
  EXPECT_EQ(PixelAt(second, 2, 2), (TRGB{128, 0, 0}));
  EXPECT_TRUE(errors.empty());
}

TEST_F(ViewTest, ResetsLeakNoDisplayListsAndNoWindowSystemHandles) {
  view->OnCreate = [this](ui::TComponent*) {
    for (int n = 0; n < 5; ++n)
      AddSquare(view, "Leaf", ui::clLime, 0.1f * (n + 1));
    view->SetAnimationSpeed(1);
  };
  PaintNow();
  view->ResetScene();
  PaintNow();
  const DWORD gdi = GdiObjects();
  const int windows = ThreadWindows();
  ASSERT_GT(gdi, 0u);
  for (int i = 0; i < 1000; ++i)
    view->ResetScene();
  PaintNow();
  EXPECT_EQ(GdiObjects(), gdi);
  EXPECT_EQ(ThreadWindows(), windows);
  // Of every list name handed out so far, only the five objects' and their textures' live.
  view->MakeCurrent();
  GLuint highest = 0;
  for (int i = 0; i < view->ObjectCount(); ++i)
    highest = std::max(highest, view->GetVisualObject(i).ListId());
  int live = 0;
  for (GLuint name = 1; name <= highest; ++name)
    live += view->GL().IsList(name) ? 1 : 0;
  EXPECT_EQ(live, 10);
  EXPECT_TRUE(errors.empty());
}

TEST_F(ViewTest, ViewsComeAndGoWithoutLeavingHandles) {
  auto cycle = [this] {
    TTestView* passing = AddView(0, 60, 80, 40);
    passing->SetCaption("x");
    passing->OnCreate = [passing](ui::TComponent*) {
      passing->EndObject(passing->BeginObject("Leaf", ui::clRed));
    };
    PaintNow(passing);
    views.pop_back();
    delete passing;
  };
  cycle();
  cycle(); // the system's own caches fill in the first rounds
  const DWORD gdi = GdiObjects();
  const int windows = ThreadWindows();
  for (int i = 0; i < 20; ++i)
    cycle();
  EXPECT_EQ(GdiObjects(), gdi);
  EXPECT_EQ(ThreadWindows(), windows);
  EXPECT_TRUE(errors.empty());
}

TEST(ViewLifetime, TheContextGoesWithTheWindow) {
  const auto gl = TOpenGLApi::Load();
  auto* form = new ui::TForm(nullptr);
  form->SetBounds(0, 0, 200, 200);
  auto* view = new TOpenGL(form);
  view->SetBounds(0, 0, 50, 50);
  view->SetParent(form);
  form->Show();
  view->ResetScene();
  const HGLRC context = view->GetContext();
  ASSERT_NE(context, nullptr);
  delete form; // the form's window goes first, then the view
  EXPECT_FALSE(gl->wglDeleteContext(context));
  EXPECT_EQ(gl->wglGetCurrentContext(), nullptr);

  // A view freed on its own, while its form lives, as well.
  form = new ui::TForm(nullptr);
  view = new TOpenGL(form);
  view->SetParent(form);
  view->ResetScene();
  const HGLRC second = view->GetContext();
  delete view;
  EXPECT_FALSE(gl->wglDeleteContext(second));
  delete form;
}

} // namespace
} // namespace glview::test
