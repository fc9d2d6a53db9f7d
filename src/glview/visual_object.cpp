#include "glview/visual_object.h"

#include "glview/materials.h"
#include "glview/opengl_control.h"

namespace glview {

TVisualObject::TVisualObject(TCustomOpenGL& Owner)
    : FOwner(&Owner), FModelMatrix(kModelViewMode, Owner.GL()),
      FDynamicMatrix(kModelViewMode, Owner.GL()), FStepMatrix(kModelViewMode, Owner.GL()),
      FTexture(Owner.GL()) {
  FListId = TDisplayList(Owner.GL()); // after the texture's, as the object's list is reserved
}

void TVisualObject::Draw() {
  if (!FVisible)
    return;
  const TOpenGLApi& gl = FOwner->GL();
  const bool lighting = FOwner->Lighting();
  const GLubyte red = ui::RedOf(FColor), green = ui::GreenOf(FColor), blue = ui::BlueOf(FColor);
  gl.MatrixMode(GL_MODELVIEW);
  FModelMatrix.Load(gl); // the placement replaces the model-view matrix; nothing is pushed
  FTexture.Apply();
  if (lighting) {
    gl.Enable(GL_LIGHTING);
    if (FMaterial == 0) {
      // Colour mode: the current colour (this one and any the list records) drives ambient and
      // diffuse reflectance; specular and shininess come from the default row. Colour tracking
      // is switched on before the default row is sent: the colour then wins over the row's
      // ambient and diffuse either way, and drivers that take up the colour only when it
      // changes while tracking (Mesa) still show it.
      gl.Enable(GL_COLOR_MATERIAL);
      ApplyMaterial(0);
      gl.Color3ub(red, green, blue);
    } else {
      gl.Disable(GL_COLOR_MATERIAL);
      ApplyMaterial(FMaterial);
    }
  } else {
    gl.Disable(GL_LIGHTING);
    gl.Color3ub(red, green, blue);
  }
  if (FWireframe) {
    gl.Disable(GL_LIGHTING);
    gl.Color3ub(red, green, blue);
    gl.PolygonMode(GL_FRONT_AND_BACK, GL_POINT); // the "Каркас" mode shows the vertices
  } else {
    gl.PolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  }
  gl.CallList(FListId.Id());
  if (lighting)
    gl.Enable(GL_LIGHTING); // the next object is lit again after a wireframe one
}

void TVisualObject::ApplyMaterial(std::uint8_t Index) const {
  const TMaterial& row = Materials[Index <= kMaterialCount ? Index : 0];
  const TOpenGLApi& gl = FOwner->GL();
  // Alpha 1 with each colour: blending is never enabled, so it has no visible effect.
  const GLfloat ambient[4] = {row.Ambient[0], row.Ambient[1], row.Ambient[2], 1.0f};
  const GLfloat diffuse[4] = {row.Diffuse[0], row.Diffuse[1], row.Diffuse[2], 1.0f};
  const GLfloat specular[4] = {row.Specular[0], row.Specular[1], row.Specular[2], 1.0f};
  gl.Materialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
  gl.Materialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
  gl.Materialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
  gl.Materialf(GL_FRONT_AND_BACK, GL_SHININESS, row.Shininess * 128);
}

void TVisualObject::RequestRepaint() const {
  if (FOwner->HasContext())
    FOwner->RequestRepaint();
}

void TVisualObject::SetVisible(bool Value) {
  if (Value == FVisible)
    return;
  FVisible = Value;
  RequestRepaint();
}

void TVisualObject::SetColor(ui::TColor Value) {
  FColor = Value;
  if (FVisible)
    RequestRepaint();
}

void TVisualObject::SetMaterial(std::uint8_t Value) {
  if (Value == FMaterial || Value > kMaterialCount)
    return;
  FMaterial = Value;
  if (FVisible)
    RequestRepaint();
}

void TVisualObject::SetWireframe(bool Value) {
  if (Value == FWireframe)
    return;
  FWireframe = Value;
  if (FVisible)
    RequestRepaint();
}

} // namespace glview
