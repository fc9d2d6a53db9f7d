#pragma once
// One named object of the view control: a display list replayed at every paint, with its own
// placement, its own motion per animation tick, a colour or a material, a fill mode and a
// visibility flag. Objects are made and owned by the control (TCustomOpenGL::BeginObject) and
// addressed by their index in its object list.
#include <cstdint>

#include "glview/gl_handles.h"
#include "glview/view_matrix.h"
#include "glview/view_options.h"
#include "ui/color.h"

namespace glview {

class TCustomOpenGL;

// The texture hook of an object: a list name reserved for it and called before the object's own
// list. Nothing ever compiles into it, so applying it draws nothing and changes no state.
class TTexture {
public:
  explicit TTexture(const TOpenGLApi& gl) : FGL(gl), FListId(gl) {}
  void Apply() const { FGL.CallList(FListId.Id()); }
  GLuint ListId() const { return FListId.Id(); }

private:
  const TOpenGLApi& FGL;
  TDisplayList FListId;
};

class TVisualObject {
public:
  // Reserves the texture's list and then the object's own in the context current now (the
  // control makes its own current first). Invisible, black, no material, filled, every menu
  // command offered.
  explicit TVisualObject(TCustomOpenGL& Owner);
  TVisualObject(const TVisualObject&) = delete;
  TVisualObject& operator=(const TVisualObject&) = delete;
  // Deletes the texture's list and then the object's own in the context current now.
  ~TVisualObject() = default;

  // Shows the object with the owner's context current and the projection set up: loads the
  // placement as the model-view matrix, applies colour or material, fill mode, replays the list.
  void Draw();
  // Sends row Index of the material table (0: the default used in colour mode).
  void ApplyMaterial(std::uint8_t Index) const;

  GLuint ListId() const { return FListId.Id(); }
  TCustomOpenGL& Owner() const { return *FOwner; }
  bool Visible() const { return FVisible; }
  TViewMatrix& ModelMatrix() { return FModelMatrix; }
  TViewMatrix& DynamicMatrix() { return FDynamicMatrix; }
  TViewMatrix& StepMatrix() { return FStepMatrix; }
  ui::TColor Color() const { return FColor; }
  std::uint8_t Material() const { return FMaterial; }
  TTexture& Texture() { return FTexture; }
  bool Wireframe() const { return FWireframe; }
  TObjectMenuOptions MenuOptions() const { return FMenuOptions; }

  // Setters take effect at the next paint. A repaint is requested only where it can show
  // something: SetVisible on a change, the others for a visible object; all only once the owner
  // has a rendering context. SetColor requests one even when the colour is the same.
  void SetVisible(bool Value);
  void SetColor(ui::TColor Value);
  // Values above the table's 25 rows are ignored.
  void SetMaterial(std::uint8_t Value);
  void SetWireframe(bool Value);
  // Written directly, nothing requested.
  void SetMenuOptions(TObjectMenuOptions Value) { FMenuOptions = Value; }
  // The menu's colour command switches back to colour mode without a repaint of its own (its
  // SetColor has requested one).
  void StoreMaterial(std::uint8_t Value) { FMaterial = Value <= 25 ? Value : FMaterial; }

private:
  void RequestRepaint() const;

  // Declared first, so deleted last: the texture's list goes before the object's, as they were
  // reserved the other way round.
  TDisplayList FListId;
  TCustomOpenGL* FOwner;
  bool FVisible = false;
  TViewMatrix FModelMatrix;
  TViewMatrix FDynamicMatrix;
  TViewMatrix FStepMatrix;
  ui::TColor FColor = 0;
  std::uint8_t FMaterial = 0;
  TTexture FTexture;
  bool FWireframe = false;
  TObjectMenuOptions FMenuOptions{moColor, moMaterial, moFillMode, moVisibility};
};

} // namespace glview
