#include "demo/demo_form.h"

namespace demo {
namespace {

using glview::TOpenGLApi;

// Half the cube's edge: small enough that the cube, however it turns, stays inside the middle
// of the view and leaves the outer parts of the axes in sight.
constexpr float kCubeHalf = 0.3f;

void CubeFaces(const TOpenGLApi& gl) {
  const float s = kCubeHalf;
  struct Face {
    float nx, ny, nz;
    float v[4][3];
  };
  const Face faces[6] = {
      {1, 0, 0, {{s, -s, -s}, {s, s, -s}, {s, s, s}, {s, -s, s}}},
      {-1, 0, 0, {{-s, -s, s}, {-s, s, s}, {-s, s, -s}, {-s, -s, -s}}},
      {0, 1, 0, {{-s, s, -s}, {-s, s, s}, {s, s, s}, {s, s, -s}}},
      {0, -1, 0, {{-s, -s, s}, {-s, -s, -s}, {s, -s, -s}, {s, -s, s}}},
      {0, 0, 1, {{-s, -s, s}, {s, -s, s}, {s, s, s}, {-s, s, s}}},
      {0, 0, -1, {{s, -s, -s}, {-s, -s, -s}, {-s, s, -s}, {s, s, -s}}},
  };
  gl.Begin(GL_QUADS);
  for (const Face& face : faces) {
    gl.Normal3f(face.nx, face.ny, face.nz);
    for (const auto& v : face.v)
      gl.Vertex3f(v[0], v[1], v[2]);
  }
  gl.End();
}

// A leaf from its stalk at the origin to its tip at y = 0.5, as a fan around its middle, green
// at the edge and yellow-green inside.
void LeafFan(const TOpenGLApi& gl) {
  const float outline[][2] = {{0.0f, 0.0f},    {0.10f, 0.08f},  {0.16f, 0.20f},  {0.14f, 0.33f},
                              {0.07f, 0.43f},  {0.0f, 0.5f},    {-0.07f, 0.43f}, {-0.14f, 0.33f},
                              {-0.16f, 0.20f}, {-0.10f, 0.08f}, {0.0f, 0.0f}};
  gl.Begin(GL_TRIANGLE_FAN);
  gl.Normal3f(0, 0, 1);
  gl.Color3ub(190, 220, 60);
  gl.Vertex3f(0.0f, 0.22f, 0.0f);
  gl.Color3ub(40, 150, 40);
  for (const auto& point : outline)
    gl.Vertex3f(point[0], point[1], 0.0f);
  gl.End();
}

} // namespace

TDemoForm::TDemoForm(ui::TComponent* AOwner) : ui::TForm(AOwner) {
  SetCaption("GLViewer Demo");
  SetBounds(100, 100, 640, 480);

  OpenGL1 = new glview::TOpenGL(this);
  OpenGL1->SetName("OpenGL1");
  OpenGL1->SetParent(this);
  OpenGL1->SetAlign(ui::TAlign::alClient);
  OpenGL1->SetPossibility({glview::pPopupMenu, glview::pMouseControl});
  OpenGL1->SetOptionsPossibility({glview::opBackground, glview::opLight, glview::opAnimation});
  OpenGL1->SetBGColor(0x302020);
  OpenGL1->SetLighting(true);
  OpenGL1->OnCreate = ui::Bind(this, &TDemoForm::OpenGL1Create);
}

void TDemoForm::OpenGL1Create(ui::TComponent*) {
  glview::TOpenGL& view = *OpenGL1;
  const TOpenGLApi& gl = view.GL();

  Axes = view.AddAxes("Оси", true, 1.0f, 1.0f, 1.0f);

  Cube = view.BeginObject("Куб", 0x2080E0);
  CubeFaces(gl);
  view.EndObject(Cube);
  view.GetVisualObject(Cube).DynamicMatrix().Rotate(glview::XAxis, 2.0f);

  Leaf = view.BeginObject("Лист", ui::clLime);
  LeafFan(gl);
  view.EndObject(Leaf);
  glview::TVisualObject& leaf = view.GetVisualObject(Leaf);
  leaf.ModelMatrix().Translate(0.0f, 0.45f, 0.0f);
  leaf.DynamicMatrix().Rotate(glview::YAxis, 3.0f);

  view.ProjectionDynamic().Rotate(glview::YAxis, 1.0f);
  view.SetAnimationSpeed(1);
  view.EnableAnimation(true);
}

} // namespace demo
