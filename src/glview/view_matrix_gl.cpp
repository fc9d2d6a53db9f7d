#include "glview/opengl_api.h"
#include "glview/view_matrix.h"

namespace glview {

void TViewMatrix::Load(const TOpenGLApi& gl) const {
  gl.MatrixMode(FMatrixMode);
  gl.LoadMatrixf(FMatrix.data());
}

void TViewMatrix::Fetch(const TOpenGLApi& gl) {
  gl.GetFloatv(FMatrixMode == kModelViewMode ? GL_MODELVIEW_MATRIX : GL_PROJECTION_MATRIX,
               FMatrix.data());
}

} // namespace glview
