#pragma once
// The window of the 3D view's demo program: one view filling it, offering every mouse feature
// and every option of its popup menu, with a scene that shows what each of them does.
#include "glview/opengl_control.h"
#include "ui/form.h"

namespace demo {

class TDemoForm : public ui::TForm {
public:
  explicit TDemoForm(ui::TComponent* AOwner);

  // Builds the scene whenever the view sets it up: coordinate axes, a cube with normals (so
  // that lighting and materials show on its faces) in the view's colour, and a leaf-shaped fan
  // with its own vertex colours above it. The scene turns about the vertical axis, the cube and
  // the leaf also about their own axes.
  void OpenGL1Create(ui::TComponent* Sender);

  glview::TOpenGL* OpenGL1 = nullptr;
  int Axes = -1, Cube = -1, Leaf = -1; // object indices of the last build
};

} // namespace demo
