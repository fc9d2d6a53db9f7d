#include "glview/leaf_builder.h"

namespace glview {

int AddLeaf(TCustomOpenGL& View, const std::string& Name, TLeafRandom& Random) {
  const int index = View.BeginObject(Name, ui::clWhite);
  // From here to EndObject the commands are recorded into the object's display list.
  const std::array<TColoredPoint, kLeafPointCount> points = DrawLeafPoints(Random);
  const TOpenGLApi& gl = View.GL();
  gl.Begin(GL_TRIANGLE_FAN); // 37 triangles around point 0
  for (const TColoredPoint& point : points) {
    gl.Color3ub(point.Color[0], point.Color[1], point.Color[2]);
    gl.Vertex3f(static_cast<float>(point.X), static_cast<float>(point.Y),
                static_cast<float>(point.Z));
  }
  gl.End();
  View.EndObject(index);
  return index;
}

} // namespace glview
