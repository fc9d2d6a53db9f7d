// The 3D view control: its window, rendering context and pixel format, and how a frame reaches
// the screen.
#include "glview/opengl_control.h"

#include "glview/gl_error.h"

namespace glview {

const GLfloat LightAmbient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
const GLfloat LightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat LightSpecular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat LightPosition[4] = {0.0f, 0.0f, -4.0f, 1.0f};
const GLfloat LightModelAmbient[4] = {0.5f, 0.5f, 0.5f, 1.0f};

namespace {

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
  if (FGLContext)
    RemoveFit();
  DestroyContext();
  FAspectX = FAspectY = 0.0f;
  ui::TCustomControl::DestroyWnd();
}

void TCustomOpenGL::RemoveFit() {
  // Column by column, as Scale does, but whether or not a context is current: a failed one
  // is current nowhere.
  const TAspect undo = RefitScale({FAspectX, FAspectY}, {1.0f, 1.0f});
  TMatrixValues values = FScreenMatrix.Values();
  for (int r = 0; r < 4; ++r) {
    values[r] *= undo.X;
    values[4 + r] *= undo.Y;
  }
  FScreenMatrix.SetValues(values);
  FAspectX = FAspectY = 0.0f;
}

bool TCustomOpenGL::MakeCurrent() {
  const bool made = FGL->wglMakeCurrent(DrawDC(), FGLContext.Get()) != FALSE;
  return made && FGLContext;
}

void TCustomOpenGL::ReleaseContext() {
  FGL->wglMakeCurrent(nullptr, nullptr);
}

HGLRC TCustomOpenGL::GetContext() {
  if (!FGLContext) {
    CreateRenderingContext();
    InitScene();
  }
  return FGLContext.Get();
}

void TCustomOpenGL::CreateRenderingContext() {
  if (!HandleAllocated() && Parent())
    HandleNeeded();
  if (!Canvas().Handle())
    throw EOpenGLError("Устройство рисования отсутствует");
  // Through GDI where that is the way and it can be set up; natively otherwise, silently.
  if (PresentWayForThisProcess() != TPresentWay::Gdi || !CreateOffscreenContext()) {
    SetupPixelFormat();
    CreateContext();
  }
}

void TCustomOpenGL::RecoverContext() {
  // The failed context goes with its frame and objects, and the fit it held; a new one is made
  // as the first one was, and its set-up (OnCreate) builds the scene again and fits the window.
  // The scene's rotation, zoom and pan stay.
  RemoveFit();
  DestroyContext();
  CreateRenderingContext();
  InitScene();
}

std::unique_ptr<TOffscreenFrame> TCustomOpenGL::CreateOffscreenFrame() {
  return TOffscreenFrame::Create(*FGL, FPixelFormatDescriptor, Canvas().Handle(), ClientWidth(),
                                 ClientHeight());
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
  // A window's pixel format is set once. A window that has another one (the driver changed
  // under a running program) is made anew for the new format.
  const int present = GetPixelFormat(Canvas().Handle());
  if (present != 0 && present != FPixelFormatIndex) {
    DestroyHandle();
    HandleNeeded();
    if (!Canvas().Handle())
      throw EOpenGLError("Устройство рисования отсутствует");
  }
  SetPixelFormat(Canvas().Handle(), FPixelFormatIndex, &FPixelFormatDescriptor);
}

void TCustomOpenGL::CreateContext() {
  HGLRC context = FGL->wglCreateContext(Canvas().Handle());
  if (!context)
    throw EOpenGLError("CreateContext is NULL");
  FGLContext = TGLContext(*FGL, context);
  if (!MakeCurrent()) {
    FGLContext.Reset();
    throw EOpenGLError("CreateContext is NULL"); // a context that can draw nowhere is none
  }
}

void TCustomOpenGL::Paint() {
  {
    // The context is released however the paint ends, so a failing paint leaves nothing
    // current behind it (the framework ends the paint itself).
    struct Release {
      TCustomOpenGL& self;
      ~Release() { self.ReleaseContext(); }
    } release{*this};
    // A failed context draws nothing and says nothing (every call is ignored, glGetError reads
    // 0): it is noticed here, made anew with its scene, and the frame drawn again. Only a second
    // failure is reported.
    if (!DrawFrame()) {
      // A context that could not be made again, or whose scene could not be built on it, goes
      // too: the next paint begins afresh instead of drawing a half-built scene.
      struct DropUnlessDone {
        TCustomOpenGL& self;
        bool done = false;
        ~DropUnlessDone() {
          if (!done) {
            self.RemoveFit();
            self.DestroyContext();
          }
        }
      } drop{*this};
      RecoverContext();
      if (!DrawFrame())
        throw EOpenGLError("CreateContext is NULL");
      drop.done = true;
    }
  }
  if (!FCaption.empty())
    Canvas().TextOut(ClientWidth() / 2, ClientHeight() / 2, FCaption);
  if (OnPaint)
    OnPaint(this);
}

bool TCustomOpenGL::DrawFrame() {
  GetContext();
  if (FOffscreen) {
    // A display-mode change can take the GDI way's buffer; a new one of the same format takes
    // its place, with the same context on it. The buffer follows the client size (when a new
    // one cannot be made, the old one goes on and shows what fits in it).
    if (FOffscreen->Lost() && !FOffscreen->Renew(Canvas().Handle(), FGLContext.Get()))
      return false;
    FOffscreen->Resize(Canvas().Handle(), ClientWidth(), ClientHeight(), FGLContext.Get());
  }
  if (!MakeCurrent())
    return false;
  FitWindow(); // where a resize found the context failing
  SetupViewport();
  ClearBackground();
  DrawScene();
  if (FOffscreen)
    FOffscreen->PaintInto(Canvas().Handle()); // read back, and painted with GDI
  else if (FIsSwapBuffers)
    return SwapBuffers(Canvas().Handle()) != FALSE;
  else
    FGL->Finish();
  return true;
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

void TCustomOpenGL::Resize() {
  // OnResize is not raised.
  if (!FGLContext) {
    // Remembered for the set-up, which fits the window itself.
    if (const auto fit = FitFactors(ClientWidth(), ClientHeight())) {
      FAspectX = fit->X;
      FAspectY = fit->Y;
    }
    MakeCurrent(); // none current
    return;
  }
  // A context that cannot be made current takes no scale, so the fit stays as the matrix holds
  // it, and the next paint fits the window.
  if (MakeCurrent())
    FitWindow();
}

void TCustomOpenGL::FitWindow() {
  // A control without area keeps its fit until it has one again.
  const auto fit = FitFactors(ClientWidth(), ClientHeight());
  if (!fit || (fit->X == FAspectX && fit->Y == FAspectY))
    return;
  // Relative to the fit already in the matrix, so zoom and pan stay.
  const TAspect scale = RefitScale({FAspectX, FAspectY}, *fit);
  FScreenMatrix.Scale(scale.X, scale.Y, 1.0f);
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
  Canvas().Font = Value; // described at the design DPI, shown at the control's
  Canvas().Font.ScaleTo(Dpi());
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

void TCustomOpenGL::CheckGLError(bool RaiseError, const std::string& Prefix) {
  const GLenum code = FGL->GetError();
  if (RaiseError)
    RaiseGLError(code, Prefix);
}

} // namespace glview
