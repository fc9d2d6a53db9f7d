// The view's scene: its set-up, drawing, animation and objects.
#include "glview/opengl_control.h"

#include "glview/animation_step.h"
#include "glview/gl_error.h"
#include "ui/window_seen.h"

namespace glview {

void TCustomOpenGL::FreeObjects() {
  for (TObjectEntry& entry : FObjectList)
    entry.Object.reset();
  FObjectList.clear();
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
  // Nobody sees a hidden view, one under a minimised window or one on another virtual desktop:
  // its scene turns all the same, but no context is made current for it and no repaint asked for
  // (showing the window paints it anew). The matrices' Multiply acts only while a context is
  // current, so there the same product is taken directly; without a context, as with Multiply,
  // nothing moves.
  const bool seen = HandleAllocated() && ui::SeenOnScreen(Handle());
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
