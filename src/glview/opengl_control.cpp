#include "glview/opengl_control.h"

#include <algorithm>

#include "glview/animation_step.h"
#include "glview/gl_error.h"
#include "ui/handles.h"
#include "ui/label.h"

namespace glview {

const GLfloat LightAmbient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
const GLfloat LightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat LightSpecular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat LightPosition[4] = {0.0f, 0.0f, -4.0f, 1.0f};
const GLfloat LightModelAmbient[4] = {0.5f, 0.5f, 0.5f, 1.0f};

namespace {

// The height a single-line edit takes for its font: the text height plus room for the sunken
// border, as standard edit fields size themselves.
int EditHeightFor(const ui::TFont& font) {
  ui::WindowDC dc(nullptr);
  ui::ScopedSelect select(dc.get(), font.Handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  return metrics.tmHeight + 8 * GetSystemMetrics(SM_CYBORDER);
}

// The chooser's pick when it has every capability asked for; otherwise the first listed format
// that has them all (single or double buffering as asked) with at least the colour and depth
// bits asked for. Some choosers treat GDI support as optional and hand a single-buffered request
// a format that GDI cannot draw on, although a suitable format exists.
int FormatWithCapabilities(HDC dc, int chosen, const PIXELFORMATDESCRIPTOR& wanted) {
  const DWORD needed = wanted.dwFlags & (PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL |
                                         PFD_DOUBLEBUFFER | PFD_SUPPORT_GDI);
  auto fits = [&](const PIXELFORMATDESCRIPTOR& f) {
    return (f.dwFlags & needed) == needed &&
           (f.dwFlags & PFD_DOUBLEBUFFER) == (wanted.dwFlags & PFD_DOUBLEBUFFER) &&
           f.iPixelType == wanted.iPixelType && f.cColorBits >= wanted.cColorBits;
  };
  PIXELFORMATDESCRIPTOR format{};
  if (DescribePixelFormat(dc, chosen, sizeof format, &format) &&
      (format.dwFlags & needed) == needed)
    return chosen;
  const int count = DescribePixelFormat(dc, 1, sizeof format, &format);
  int best = 0, bestDepth = -1;
  for (int i = 1; i <= count; ++i) {
    if (!DescribePixelFormat(dc, i, sizeof format, &format) || !fits(format))
      continue;
    if (format.cDepthBits >= wanted.cDepthBits)
      return i;
    if (format.cDepthBits > bestDepth) {
      best = i;
      bestDepth = format.cDepthBits;
    }
  }
  return best != 0 ? best : chosen;
}

} // namespace

TCustomOpenGL::TCustomOpenGL(ui::TComponent* AOwner)
    : ui::TCustomControl(AOwner), FGL(TOpenGLApi::Load()), FProjectionMatrix(kProjectionMode, *FGL),
      FProjectionDynamic(kProjectionMode, *FGL), FProjectionStep(kProjectionMode, *FGL),
      FScreenMatrix(kProjectionMode, *FGL) {
  SetOpaque(true);
  FViewMenu = new ui::TPopupMenu(this);
  FCaption = Name();
  FAnimationTimer = new ui::TTimer(this);
  FAnimationTimer->SetEnabled(false);
  FAnimationTimer->SetInterval(55);
  FAnimationTimer->OnTimer = [this](ui::TComponent*) { AnimationTimer(); };
  FIsSwapBuffers = true;
  FPossibility = {pPopupMenu, pMouseControl};
  FOptionsPossibility = {opBackground, opLight, opAnimation};
  SetBounds(Left(), Top(), 20, 20);
  SetVisible(true);
  FModelScale = 1.0f;
  BuildSpeedForm();
}

void TCustomOpenGL::BuildSpeedForm() {
  FSpeedForm = new ui::TForm(this);
  // The frame style is fixed when the window is made, and the label measures its text on the
  // window, so the style comes first and the window is made before its children.
  FSpeedForm->SetBorderStyle(ui::TFormBorderStyle::bsDialog);
  // Made larger than its frame: the framework's SetClientSize measures the frame from the
  // window's present size, which a window smaller than its frame does not show.
  FSpeedForm->SetBounds(0, 0, 200, 100);
  FSpeedForm->SetCaption("Скорость анимации");
  FSpeedForm->HandleNeeded();

  FSpeedLabel = new ui::TLabel(FSpeedForm);
  FSpeedLabel->SetText("0 - нет анимации\r\nотриц. - обратное вращение");
  FSpeedLabel->SetParent(FSpeedForm); // sized to its text here

  FSpeedEdit = new ui::TEdit(FSpeedForm);
  FSpeedEdit->SetText(std::to_string(FAnimationSpeed));
  FSpeedEdit->SetParent(FSpeedForm);
  FSpeedEdit->OnKeyDown = ui::Bind(this, &TCustomOpenGL::SpeedEditKeyDown);

  // Shown at its monitor's DPI, placed by the screen's size (in the screen's own pixels), and
  // laid out around its label again whenever the DPI changes.
  FSpeedForm->ScaleToWindowDpi();
  FSpeedForm->SetBounds((GetSystemMetrics(SM_CXSCREEN) / 3) * 2, GetSystemMetrics(SM_CYSCREEN) / 3,
                        FSpeedForm->Width(), FSpeedForm->Height());
  LayoutSpeedForm();
  FSpeedForm->OnDpiChanged = [this](ui::TComponent*) { LayoutSpeedForm(); };
}

// The label at the top left, sized to its text; the edit below it, as wide; the window around
// both.
void TCustomOpenGL::LayoutSpeedForm() {
  const auto scaled = [this](int designed) { return FSpeedForm->Scaled(designed); };
  FSpeedLabel->SetBounds(scaled(3), scaled(3), FSpeedLabel->Width(), FSpeedLabel->Height());
  FSpeedEdit->SetBounds(scaled(3), FSpeedLabel->Height() + scaled(6), FSpeedLabel->Width(),
                        EditHeightFor(FSpeedEdit->Font()));
  FSpeedForm->SetClientSize(FSpeedLabel->Width() + scaled(6),
                            FSpeedEdit->Height() + FSpeedLabel->Height() + scaled(9));
}

TCustomOpenGL::~TCustomOpenGL() {
  DestroyContext();
  // Destroy the window while this is still a TCustomOpenGL, so that its own DestroyWnd runs.
  DestroyHandle();
}

void TCustomOpenGL::DestroyContext() {
  ReleaseContext();
  FGLContext.Reset();
  FOffscreen.reset();
  FPresentWay = TPresentWay::Native;
  // No context is current now, so freeing issues nothing: the lists went with the context.
  FreeObjects();
}

void TCustomOpenGL::FreeObjects() {
  for (TObjectEntry& entry : FObjectList)
    entry.Object.reset();
  FObjectList.clear();
}

void TCustomOpenGL::CreateParams(ui::TCreateParams& Params) {
  ui::TCustomControl::CreateParams(Params);
  // A class of its own: OpenGL wants one DC kept for the window's life (CS_OWNDC) and no
  // drawing of parent or siblings inside the pixel format's area.
  Params.ClassName = L"Tarvel.OpenGL";
  Params.ClassStyle = CS_OWNDC | CS_DBLCLKS;
  Params.Style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
}

void TCustomOpenGL::DestroyWnd() {
  // The context is tied to the window: it goes, released first, while the window exists, and
  // with it the objects whose lists it held. A new window gets a new context and scene, whose
  // set-up fits that window again; so the old fit comes out of FScreenMatrix first (zoom and pan
  // stay, as they do over a resize).
  if (FGLContext) {
    MakeCurrent();
    const TAspect undo = RefitScale({FAspectX, FAspectY}, {1.0f, 1.0f});
    FScreenMatrix.Scale(undo.X, undo.Y, 1.0f);
  }
  DestroyContext();
  FAspectX = FAspectY = 0.0f;
  ui::TCustomControl::DestroyWnd();
}

void TCustomOpenGL::MakeCurrent() {
  FGL->wglMakeCurrent(DrawDC(), FGLContext.Get());
}

void TCustomOpenGL::ReleaseContext() {
  FGL->wglMakeCurrent(nullptr, nullptr);
}

HGLRC TCustomOpenGL::GetContext() {
  if (!FGLContext) {
    if (!HandleAllocated() && Parent())
      HandleNeeded();
    if (!Canvas().Handle())
      throw EOpenGLError("Устройство рисования отсутствует");
    // Through GDI where that is the way and it can be set up; natively otherwise, silently.
    if (PresentWayForThisProcess() != TPresentWay::Gdi || !CreateOffscreenContext()) {
      SetupPixelFormat();
      CreateContext();
    }
    InitScene();
  }
  return FGLContext.Get();
}

std::unique_ptr<TOffscreenFrame> TCustomOpenGL::CreateOffscreenFrame() {
  return TOffscreenFrame::Create(*FGL, FPixelFormatDescriptor, ClientWidth(), ClientHeight());
}

bool TCustomOpenGL::CreateOffscreenContext() {
  DescribeWantedFormat();
  std::unique_ptr<TOffscreenFrame> frame = CreateOffscreenFrame();
  if (!frame)
    return false;
  TGLContext context(*FGL, FGL->wglCreateContext(frame->DC()));
  if (!context || !FGL->wglMakeCurrent(frame->DC(), context.Get()))
    return false; // the context, then the buffer, go
  FOffscreen = std::move(frame);
  FGLContext = std::move(context);
  FPixelFormatIndex = FOffscreen->PixelFormat();
  FPresentWay = TPresentWay::Gdi;
  return true;
}

void TCustomOpenGL::DescribeWantedFormat() {
  FPixelFormatDescriptor = {};
  FPixelFormatDescriptor.nSize = sizeof(PIXELFORMATDESCRIPTOR);
  FPixelFormatDescriptor.nVersion = 1;
  FPixelFormatDescriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL |
                                   PFD_GENERIC_ACCELERATED |
                                   (FIsSwapBuffers ? PFD_DOUBLEBUFFER : PFD_SUPPORT_GDI);
  FPixelFormatDescriptor.iPixelType = PFD_TYPE_RGBA;
  FPixelFormatDescriptor.cColorBits = 24;
  FPixelFormatDescriptor.cDepthBits = 32;
  FPixelFormatDescriptor.iLayerType = PFD_MAIN_PLANE;
}

void TCustomOpenGL::SetupPixelFormat() {
  DescribeWantedFormat();
  FPixelFormatIndex = ChoosePixelFormat(Canvas().Handle(), &FPixelFormatDescriptor);
  if (FPixelFormatIndex == 0)
    throw EOpenGLError("PixelFormat is NULL");
  FPixelFormatIndex =
      FormatWithCapabilities(Canvas().Handle(), FPixelFormatIndex, FPixelFormatDescriptor);
  // A window's pixel format is set once; a second attempt fails harmlessly.
  SetPixelFormat(Canvas().Handle(), FPixelFormatIndex, &FPixelFormatDescriptor);
}

void TCustomOpenGL::CreateContext() {
  HGLRC context = FGL->wglCreateContext(Canvas().Handle());
  if (!context)
    throw EOpenGLError("CreateContext is NULL");
  FGLContext = TGLContext(*FGL, context);
  MakeCurrent();
}

void TCustomOpenGL::InitScene() {
  const TOpenGLApi& gl = *FGL;
  if (const auto fit = FitFactors(ClientWidth(), ClientHeight())) {
    FAspectX = fit->X;
    FAspectY = fit->Y;
    FScreenMatrix.Scale(FAspectX, FAspectY, 1.0f);
  } else {
    FAspectX = FAspectY = 0.0f; // no fit yet: the first Resize to a real size makes it
  }
  gl.Lightfv(GL_LIGHT0, GL_AMBIENT, LightAmbient);
  gl.Lightfv(GL_LIGHT0, GL_DIFFUSE, LightDiffuse);
  gl.Lightfv(GL_LIGHT0, GL_SPECULAR, LightSpecular);
  gl.Lightfv(GL_LIGHT0, GL_POSITION, LightPosition);
  gl.LightModelfv(GL_LIGHT_MODEL_AMBIENT, LightModelAmbient);
  gl.DepthFunc(GL_LESS);
  gl.Enable(GL_DEPTH_TEST);
  gl.ShadeModel(GL_SMOOTH);
  gl.DepthRange(-100, 100);
  if (OnCreate) {
    MakeCurrent();
    OnCreate(this);
  }
  CheckGLError(false, ""); // whatever the client left behind is not charged to the set-up
  // No form designer hosts this control, so the design-time axes and square are never added.
  CheckGLError(true, "Ошибка рисования осей");
  CheckGLError(true, "Ошибка поворота координат");
}

void TCustomOpenGL::Paint() {
  {
    // The context is released however the paint ends, so a failing paint leaves nothing
    // current behind it (the framework ends the paint itself).
    struct Release {
      TCustomOpenGL& self;
      ~Release() { self.ReleaseContext(); }
    } release{*this};
    GetContext();
    // The GDI way's buffer follows the client size (when a new one cannot be made, the old one
    // goes on and shows what fits in it).
    if (FOffscreen)
      FOffscreen->Resize(ClientWidth(), ClientHeight(), FGLContext.Get());
    MakeCurrent();
    SetupViewport();
    ClearBackground();
    DrawScene();
    if (FOffscreen)
      FOffscreen->PaintInto(Canvas().Handle()); // read back, and painted with GDI
    else if (FIsSwapBuffers)
      SwapBuffers(Canvas().Handle());
    else
      FGL->Finish();
  }
  if (!FCaption.empty())
    Canvas().TextOut(ClientWidth() / 2, ClientHeight() / 2, FCaption);
  if (OnPaint)
    OnPaint(this);
}

void TCustomOpenGL::SetupViewport() {
  const TOpenGLApi& gl = *FGL;
  gl.DepthRange(-500, 500);
  gl.DepthFunc(GL_LESS);
  gl.DepthMask(GL_TRUE);
  gl.Enable(GL_DEPTH_TEST);
  gl.Viewport(0, 0, ClientWidth(), ClientHeight());
}

void TCustomOpenGL::ClearBackground() {
  // The top byte is ignored: a system colour value is not translated.
  FGL->ClearColor(ui::RedOf(FBGColor) / 255.0f, ui::GreenOf(FBGColor) / 255.0f,
                  ui::BlueOf(FBGColor) / 255.0f, 0.0f);
  FGL->Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void TCustomOpenGL::DrawScene() {
  const TOpenGLApi& gl = *FGL;
  CheckGLError(false, "");
  gl.MatrixMode(GL_PROJECTION);
  gl.LoadIdentity();
  if (FLighting) {
    // The light is placed in the space that the scene rotation and scale map back onto
    // (0, 0, -4): it stays fixed to the viewer while the scene turns.
    TViewMatrix light(kModelViewMode, gl);
    light.SetValues(FProjectionMatrix.Values());
    light.Scale(FModelScale, FModelScale, FModelScale);
    light.Invert();
    light.Load(gl);
    gl.Lightfv(GL_LIGHT0, GL_POSITION, LightPosition);
    gl.Enable(GL_LIGHTING);
    gl.Enable(GL_LIGHT0);
  } else {
    gl.Disable(GL_LIGHTING);
  }
  FScreenMatrix.Load(gl);
  gl.MultMatrixf(FProjectionMatrix.Values().data());
  gl.Scalef(FModelScale, FModelScale, FModelScale);
  CheckGLError(true, "Ошибка матрицы проекций");
  for (TObjectEntry& entry : FObjectList)
    entry.Object->Draw();
  CheckGLError(true, "Ошибка прорисовки");
}

void TCustomOpenGL::Resize() {
  // OnResize is not raised. A control without area keeps its fit until it has one again.
  MakeCurrent();
  const auto fit = FitFactors(ClientWidth(), ClientHeight());
  if (!fit)
    return;
  if (FGLContext) {
    // Relative to the fit already in the matrix, so zoom and pan stay.
    const TAspect scale = RefitScale({FAspectX, FAspectY}, *fit);
    FScreenMatrix.Scale(scale.X, scale.Y, 1.0f);
  }
  FAspectX = fit->X;
  FAspectY = fit->Y;
}

void TCustomOpenGL::SetText(const std::string& Value) {
  if (Value == FCaption)
    return;
  FCaption = Value;
  ui::TCustomControl::SetText(Value); // the window text names the view for assistive tools
  RequestRepaint();
}

void TCustomOpenGL::SetFont(const ui::TFont& Value) {
  Canvas().Font = Value;
  RequestRepaint();
}

void TCustomOpenGL::SetBGColor(ui::TColor Value) {
  if (Value == FBGColor)
    return;
  FBGColor = Value;
  RequestRepaint();
}

void TCustomOpenGL::SetLighting(bool Value) {
  if (Value == FLighting)
    return;
  FLighting = Value;
  RequestRepaint();
}

void TCustomOpenGL::EnableAnimation(bool Value) {
  FAnimationTimer->SetEnabled(Value);
}

void TCustomOpenGL::SetAnimationSpeed(int Speed) {
  MakeCurrent();
  EnableAnimation(false);
  BuildStep(FProjectionStep, FProjectionDynamic, Speed);
  for (TObjectEntry& entry : FObjectList)
    BuildStep(entry.Object->StepMatrix(), entry.Object->DynamicMatrix(), Speed);
  FAnimationSpeed = Speed;
  if (Speed != 0)
    EnableAnimation(true);
}

void TCustomOpenGL::AnimationTimer() {
  // Nobody sees a hidden view: its scene turns all the same, but no context is made current for
  // it and no repaint asked for (showing the window paints it anew). The matrices' Multiply acts
  // only while a context is current, so there the same product is taken directly; without a
  // context, as with Multiply, nothing moves.
  const bool seen = HandleAllocated() && IsWindowVisible(Handle());
  if (seen)
    MakeCurrent();
  else if (!FGLContext)
    return;
  auto turn = [seen](TViewMatrix& matrix, const TViewMatrix& step) {
    if (seen)
      matrix.Multiply(step.Values());
    else
      matrix.SetValues(MultiplyValues(matrix.Values(), step.Values()));
  };
  // Post-multiplied: the step turns the scene about its own axes.
  turn(FProjectionMatrix, FProjectionStep);
  for (TObjectEntry& entry : FObjectList) // hidden objects move too
    turn(entry.Object->ModelMatrix(), entry.Object->StepMatrix());
  if (seen)
    RequestRepaint();
}

void TCustomOpenGL::CheckGLError(bool RaiseError, const std::string& Prefix) {
  const GLenum code = FGL->GetError();
  if (RaiseError)
    RaiseGLError(code, Prefix);
}

void TCustomOpenGL::ResetScene() {
  GetContext();
  MakeCurrent();
  FreeObjects();
  FProjectionDynamic.Identity();
  FProjectionStep.Identity();
  FProjectionMatrix.Identity();
  FScreenMatrix.Identity();
  InitScene();
}

int TCustomOpenGL::BeginObject(const std::string& Name, ui::TColor Color) {
  if (Name.empty())
    return -1;
  GetContext();
  MakeCurrent();
  CheckGLError(false, ""); // an older error is not charged to this object
  const int index = AddVisualObject(Name);
  TVisualObject& object = *FObjectList[index].Object;
  FGL->NewList(object.ListId(), GL_COMPILE);
  object.SetColor(Color);
  object.SetVisible(true);
  CheckGLError(true, "Ошибка инициализации " + Name);
  return index;
}

void TCustomOpenGL::EndObject(int Index) {
  if (Index == -1)
    return;
  MakeCurrent(); // the client may have drawn on another view in between
  FGL->EndList();
  CheckGLError(true, "Ошибка построения " + ObjectName(Index));
}

int TCustomOpenGL::AddVisualObject(const std::string& Name) {
  auto object = std::make_unique<TVisualObject>(*this);
  FObjectList.push_back({Name, std::move(object)});
  return static_cast<int>(FObjectList.size()) - 1;
}

const std::string& TCustomOpenGL::ObjectName(int Index) const {
  if (Index < 0 || Index >= ObjectCount())
    throw ui::EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return FObjectList[Index].Name;
}

TVisualObject& TCustomOpenGL::GetVisualObject(int Index) {
  ObjectName(Index); // bounds
  return *FObjectList[Index].Object;
}

int TCustomOpenGL::AddAxes(const std::string& Name, bool Negative, float X, float Y, float Z) {
  const TOpenGLApi& gl = *FGL;
  const int index = BeginObject(Name, ui::clWhite);
  // Recorded into the list, lighting switches included: replaying it turns lighting off and, if
  // it was on when the axes were built, on again.
  gl.LineWidth(1);
  gl.Disable(GL_LIGHTING);
  gl.Disable(GL_LIGHT0);
  gl.Begin(GL_LINES);
  auto line = [&gl](GLubyte r, GLubyte g, GLubyte b, float x, float y, float z) {
    gl.Color3ub(r, g, b);
    gl.Vertex3f(x, y, z);
    gl.Vertex3f(0, 0, 0);
  };
  if (Negative) {
    line(128, 0, 0, -X, 0, 0);
    line(0, 128, 0, 0, -Y, 0);
    line(0, 0, 128, 0, 0, -Z);
  }
  line(255, 0, 0, X, 0, 0);
  line(0, 255, 0, 0, Y, 0);
  line(0, 0, 255, 0, 0, Z);
  gl.End();
  if (FLighting) {
    gl.Enable(GL_LIGHTING);
    gl.Enable(GL_LIGHT0);
  }
  gl.Finish();
  EndObject(index);
  return index;
}

void TCustomOpenGL::AddSysCube() {
  const TOpenGLApi& gl = *FGL;
  MakeCurrent(); // before the list name is reserved, so it comes from this control's context
  TVisualObject& object = GetVisualObject(AddVisualObject("SysCube"));
  gl.NewList(object.ListId(), GL_COMPILE);
  gl.Begin(GL_QUADS);
  gl.Vertex3f(0.5f, 0, -0.5f);
  gl.Vertex3f(-0.5f, 0, -0.5f);
  gl.Vertex3f(-0.5f, 0, 0.5f);
  gl.Vertex3f(0.5f, 0, 0.5f);
  gl.End();
  gl.Finish();
  gl.EndList();
  object.SetColor(ui::clWhite);
  object.SetVisible(true);
}

} // namespace glview
