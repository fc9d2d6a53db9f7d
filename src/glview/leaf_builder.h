#pragma once
// Builds one leaf of the About scene as a visual object of a view: a triangle fan of the leaf's
// 39 points, each with its own random colour and depth.
#include "glview/leaf_model.h"
#include "glview/opengl_control.h"

#include <string>

namespace glview {

// Returns the new object's index, or -1 for an empty name (the fan is then drawn at once and no
// object exists). The object stays white with material 0; the colours are the vertices' own.
int AddLeaf(TCustomOpenGL& View, const std::string& Name, TLeafRandom& Random);

} // namespace glview
