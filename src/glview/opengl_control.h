#pragma once
// The 3D view control: a child window with its own OpenGL 1.1 rendering context that shows a
// list of visual objects under one shared scene rotation.
//
// The scene rotation lives in the projection, not in the model-view matrix: the projection is
// the window fit (with mouse zoom and pan) x the scene rotation x a uniform model scale, and each
// object loads its own placement as the whole model-view matrix. There is no perspective: the
// visible volume is the cube -1..1 of the transformed coordinates, seen straight on.
//
// The rendering context is made on first need (the first paint, object or reset), and its
// creation raises OnCreate with the context current, so client code builds its objects there:
//   int i = view.BeginObject("Leaf1", ui::clLime);
//   const TOpenGLApi& gl = view.GL();
//   gl.Begin(GL_TRIANGLES); ... gl.End();
//   view.EndObject(i);
//   view.GetVisualObject(i).ModelMatrix().Translate(0.5f, 0, 0);
//
// A finished frame reaches the screen in one of two ways (present_way.h), chosen when the context
// is made: natively, OpenGL drawing into the view's own window, or through GDI, OpenGL drawing
// into an off-screen buffer of the view's size whose frame is then painted into the window
// (offscreen_frame.h). Where the GDI way cannot be set up, the view goes the native way.
//
// TCustomOpenGL holds the behaviour; TOpenGL publishes the properties a window description sets.
#include <memory>
#include <string>
#include <vector>

#include "glview/gl_handles.h"
#include "glview/offscreen_frame.h"
#include "glview/opengl_api.h"
#include "glview/present_way.h"
#include "glview/view_matrix.h"
#include "glview/view_options.h"
#include "glview/visual_object.h"
#include "glview/window_fit.h"
#include "ui/custom_control.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/menus.h"
#include "ui/timer.h"

namespace glview {

// Light 0 and the light model (four floats each).
extern const GLfloat LightAmbient[4];
extern const GLfloat LightDiffuse[4];
extern const GLfloat LightSpecular[4];
extern const GLfloat LightPosition[4];
extern const GLfloat LightModelAmbient[4];

class TCustomOpenGL : public ui::TCustomControl {
public:
  // Makes no OpenGL call: the context waits for its first need.
  explicit TCustomOpenGL(ui::TComponent* AOwner);
  ~TCustomOpenGL() override;

  // The entry points of opengl32 that this control and its clients draw with.
  const TOpenGLApi& GL() const { return *FGL; }

  // The rendering context, made on the first call: pixel format, context, then InitScene.
  HGLRC GetContext();
  // One-time scene set-up with the context current: window fit, light 0, depth test; raises
  // OnCreate.
  virtual void InitScene();
  bool HasContext() const { return static_cast<bool>(FGLContext); }
  // How the frames of the present context reach the screen (native until a context exists).
  TPresentWay PresentWay() const { return FPresentWay; }
  // The device context OpenGL draws on: the off-screen buffer's in the GDI way, the window's own
  // otherwise.
  HDC DrawDC() { return FOffscreen ? FOffscreen->DC() : Canvas().Handle(); }

  // Starts or stops the animation timer, nothing else.
  void EnableAnimation(bool Value);
  // The per-tick steps become |Speed| steps of ProjectionDynamic and of each object's
  // DynamicMatrix, inverted for a negative speed; the timer runs unless Speed is 0. A singular
  // motion with a negative speed raises "Вырожденная матрица" and leaves the timer stopped and the
  // speed as it was.
  void SetAnimationSpeed(int Speed);
  int AnimationSpeed() const { return FAnimationSpeed; }
  bool AnimationEnabled() const { return FAnimationTimer->Enabled(); }
  // Frees every object, resets the four matrices and runs InitScene again (OnCreate rebuilds).
  void ResetScene();
  // Reads one OpenGL error; when RaiseError, raises EOpenGLError(Prefix + its text).
  void CheckGLError(bool RaiseError, const std::string& Prefix);

  // Objects, addressed by index in creation order.
  int BeginObject(const std::string& Name, ui::TColor Color); // -1 for an empty name
  void EndObject(int Index);
  int AddVisualObject(const std::string& Name);
  TVisualObject& GetVisualObject(int Index); // raises "List index out of bounds (%d)"
  int ObjectCount() const { return static_cast<int>(FObjectList.size()); }
  const std::string& ObjectName(int Index) const;
  // An object of coloured axis lines, and the "SysCube" square.
  int AddAxes(const std::string& Name, bool Negative, float X, float Y, float Z);
  void AddSysCube();

  // Repaint request: the whole client area, without erasing.
  void RequestRepaint() { Invalidate(); }
  // The window-fit factors FScreenMatrix holds (0 and 0 before the first fit).
  TAspect Aspect() const { return {FAspectX, FAspectY}; }
  const TViewMatrix& ScreenMatrix() const { return FScreenMatrix; }
  const PIXELFORMATDESCRIPTOR& PixelFormatDescriptor() const { return FPixelFormatDescriptor; }
  int PixelFormatIndex() const { return FPixelFormatIndex; }

protected:
  // Properties, published by TOpenGL.
  std::string Text() override { return FCaption; }
  void SetText(const std::string& Value) override; // the caption drawn over the scene
  ui::TFont& Font() { return Canvas().Font; }
  void SetFont(const ui::TFont& Value);
  float ModelScale() const { return FModelScale; }
  void SetModelScale(float Value) { FModelScale = Value; }
  TPossibility Possibility() const { return FPossibility; }
  void SetPossibility(TPossibility Value) { FPossibility = Value; }
  TOptionsPossibility OptionsPossibility() const { return FOptionsPossibility; }
  void SetOptionsPossibility(TOptionsPossibility Value) { FOptionsPossibility = Value; }
  ui::TColor BGColor() const { return FBGColor; }
  void SetBGColor(ui::TColor Value);
  bool IsSwapBuffers() const { return FIsSwapBuffers; }
  void SetIsSwapBuffers(bool Value) { FIsSwapBuffers = Value; }
  bool Lighting() const { return FLighting; }
  void SetLighting(bool Value);
  TViewMatrix& ProjectionMatrix() { return FProjectionMatrix; }
  TViewMatrix& ProjectionDynamic() { return FProjectionDynamic; }

  // Inherited members that only TOpenGL publishes, or that this control does not offer.
  using ui::TWinControl::Caption;
  using ui::TWinControl::Color;
  using ui::TWinControl::OnClick;
  using ui::TWinControl::OnDblClick;
  using ui::TWinControl::OnEnter;
  using ui::TWinControl::OnExit;
  using ui::TWinControl::OnKeyDown;
  using ui::TWinControl::OnKeyPress;
  using ui::TWinControl::OnKeyUp;
  using ui::TWinControl::OnMouseDown;
  using ui::TWinControl::OnMouseEnter;
  using ui::TWinControl::OnMouseLeave;
  using ui::TWinControl::OnMouseMove;
  using ui::TWinControl::OnMouseUp;
  using ui::TWinControl::OnResize;
  using ui::TWinControl::SetCaption;
  using ui::TWinControl::SetColor;

  // Raised once per scene set-up with the context current, and at the end of every paint (no
  // context current then: a handler can only draw on the canvas).
  ui::TNotifyEvent OnCreate;
  ui::TNotifyEvent OnPaint;

  void CreateParams(ui::TCreateParams& Params) override;
  void DestroyWnd() override;
  void Paint() override;
  void Resize() override;
  // Mouse control (turn, zoom, pan, popup menu): opengl_control_mouse.cpp.
  void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
  void MouseMove(ui::TShiftState Shift, int X, int Y) override;
  void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
  // The speed window's number field (its Enter sets the animation speed).
  void SpeedEditKeyDown(ui::TComponent* Sender, std::uint16_t& Key, ui::TShiftState Shift);

  // The popup menu, rebuilt from the scene's state at every right click, and its commands; the
  // per-object ones find their object by the clicked item's Tag: view_menu.cpp.
  void BuildPopupMenu();
  void ObjectColorClick(ui::TComponent* Sender);
  void ObjectMaterialClick(ui::TComponent* Sender);
  void ObjectVisibleClick(ui::TComponent* Sender);
  void ObjectWireframeClick(ui::TComponent* Sender);
  void BGColorClick(ui::TComponent* Sender);
  void LightClick(ui::TComponent* Sender);
  void AnimationClick(ui::TComponent* Sender);

  // Makes this control's context current on the DC it draws on; with no context yet, none is
  // current afterwards and OpenGL commands have no effect. False then, and when the context
  // cannot be made current (after a driver reset or update, a Remote Desktop reconnect).
  virtual bool MakeCurrent();
  void ReleaseContext();

  // The off-screen buffer for the GDI way, of the control's client size in a format like the
  // one FPixelFormatDescriptor asks for, made on the window's DC; nullptr where the driver
  // cannot make one.
  virtual std::unique_ptr<TOffscreenFrame> CreateOffscreenFrame();

  // Paint steps. DrawFrame is false when the context failed (it could not be made current or
  // the frame not shown); RecoverContext then makes it, its frame and its scene anew.
  bool DrawFrame();
  void RecoverContext();
  void CreateRenderingContext();
  void DescribeWantedFormat();
  bool CreateOffscreenContext(); // false, with nothing made, where the GDI way cannot be set up
  void SetupPixelFormat();
  void CreateContext();
  void SetupViewport();
  void ClearBackground();
  void DrawScene();
  void AnimationTimer();

  struct TObjectEntry {
    std::string Name;
    std::unique_ptr<TVisualObject> Object;
  };

  // Declared first: every matrix, list and context below refers to it.
  std::shared_ptr<const TOpenGLApi> FGL;

  PIXELFORMATDESCRIPTOR FPixelFormatDescriptor{};
  int FPixelFormatIndex = 0;
  TPresentWay FPresentWay = TPresentWay::Native;
  std::unique_ptr<TOffscreenFrame> FOffscreen; // the GDI way's buffer; outlives the context on it
  TGLContext FGLContext;
  TViewMatrix FProjectionMatrix;  // published as ProjectionMatrix
  TViewMatrix FProjectionDynamic; // published as ProjectionDynamic
  TViewMatrix FProjectionStep;
  TViewMatrix FScreenMatrix;
  std::vector<TObjectEntry> FObjectList;
  ui::TForm* FSpeedForm = nullptr;
  ui::TLabel* FSpeedLabel = nullptr;
  ui::TEdit* FSpeedEdit = nullptr;
  ui::TColor FBGColor = 0;
  bool FIsSwapBuffers = true;
  // Mouse control.
  bool FButtonDown = false;
  int FDragX = 0, FDragY = 0;
  float FAspectX = 0.0f, FAspectY = 0.0f;
  float FModelScale = 1.0f;
  bool FLighting = false;
  ui::TPopupMenu* FViewMenu = nullptr;
  ui::TTimer* FAnimationTimer = nullptr;
  int FAnimationSpeed = 0;
  TPossibility FPossibility{pPopupMenu, pMouseControl};
  TOptionsPossibility FOptionsPossibility{opBackground, opLight, opAnimation};
  std::string FCaption;

private:
  friend class TVisualObject; // reads Lighting while drawing

  void DestroyContext();
  // Takes the window fit out of FScreenMatrix (zoom and pan stay), with or without a context.
  void RemoveFit();
  // Brings the window fit in FScreenMatrix to the client size, with the context current.
  void FitWindow();
  void FreeObjects();
  void BuildSpeedForm();
  void LayoutSpeedForm();
};

// Publishes the properties and events a window description sets; adds nothing.
class TOpenGL : public TCustomOpenGL {
public:
  using TCustomOpenGL::TCustomOpenGL;

  using TCustomOpenGL::Align;
  using TCustomOpenGL::BGColor;
  using TCustomOpenGL::Canvas;
  using TCustomOpenGL::Caption;
  using TCustomOpenGL::Font;
  using TCustomOpenGL::IsSwapBuffers;
  using TCustomOpenGL::Lighting;
  using TCustomOpenGL::ModelScale;
  using TCustomOpenGL::OptionsPossibility;
  using TCustomOpenGL::Possibility;
  using TCustomOpenGL::ProjectionDynamic;
  using TCustomOpenGL::ProjectionMatrix;
  using TCustomOpenGL::SetAlign;
  using TCustomOpenGL::SetBGColor;
  using TCustomOpenGL::SetCaption;
  using TCustomOpenGL::SetFont;
  using TCustomOpenGL::SetIsSwapBuffers;
  using TCustomOpenGL::SetLighting;
  using TCustomOpenGL::SetModelScale;
  using TCustomOpenGL::SetOptionsPossibility;
  using TCustomOpenGL::SetPossibility;

  using TCustomOpenGL::OnClick;
  using TCustomOpenGL::OnCreate;
  using TCustomOpenGL::OnDblClick;
  using TCustomOpenGL::OnMouseDown;
  using TCustomOpenGL::OnMouseMove;
  using TCustomOpenGL::OnMouseUp;
  using TCustomOpenGL::OnPaint;
  using TCustomOpenGL::OnResize;
};

} // namespace glview
