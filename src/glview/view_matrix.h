#pragma once
// The view module's 4 x 4 matrix: 32-bit floats in OpenGL's element order (element 4c + r is
// row r of column c), tied to one OpenGL matrix mode. The arithmetic is done here rather than on
// OpenGL's matrix stack (a read-back from the driver stalls a real GPU), rounded like the
// driver's own single-precision arithmetic, and, like the stack, it does nothing while no
// rendering context is current.
#include <array>
#include <cstdint>

#include "glview/gl_context_probe.h"

namespace glview {

class TOpenGLApi;

using TMatrixValues = std::array<float, 16>;
using TVector3 = std::array<float, 3>;

// OpenGL's matrix modes (GL_MODELVIEW, GL_PROJECTION), spelled out so this header needs no gl.h.
inline constexpr std::uint16_t kModelViewMode = 0x1700;
inline constexpr std::uint16_t kProjectionMode = 0x1701;

// Rotation axes for Rotate.
inline constexpr TVector3 XAxis{1.0f, 0.0f, 0.0f};
inline constexpr TVector3 YAxis{0.0f, 1.0f, 0.0f};

inline constexpr TMatrixValues kIdentityValues{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

class TViewMatrix {
public:
  // Identity. The probe must outlive the matrix (the view control owns the one it hands out).
  TViewMatrix(std::uint16_t mode, const TGLContextProbe& context);

  const TMatrixValues& Values() const { return FMatrix; }
  // Direct assignment, as a temporary is set up from another matrix's values; needs no context.
  void SetValues(const TMatrixValues& values) { FMatrix = values; }
  std::uint16_t MatrixMode() const { return FMatrixMode; }
  const TGLContextProbe& Context() const { return *FContext; }

  // Need no context.
  void Identity();
  // Gauss-Jordan elimination with partial pivoting. A singular matrix raises ui::Exception
  // "Вырожденная матрица" and leaves the values unchanged.
  void Invert();

  // OpenGL's sense of the product: M := M x Other, so Other acts first on a vertex. Each of these
  // leaves the matrix unchanged while no rendering context is current. The operand may be this
  // matrix's own values (Multiply(Values()) squares the matrix).
  void Multiply(const TMatrixValues& other);
  void PreMultiply(const TMatrixValues& other); // M := Other x M
  // Angle in degrees, counter-clockwise seen from the axis tip; the axis need not be unit length.
  void Rotate(const TVector3& axis, float angle);
  void Scale(float x, float y, float z);
  void Translate(float x, float y, float z);

  // OpenGL transfer, defined with the Windows part (view_matrix_gl.cpp). Load makes the values
  // the current matrix of their mode and leaves that mode selected; Fetch reads the current
  // model-view matrix (GL_MODELVIEW mode) or projection matrix (any other mode) back. Without a
  // current context neither has an effect.
  void Load(const TOpenGLApi& gl) const;
  void Fetch(const TOpenGLApi& gl);

private:
  bool CanTransform() const { return FContext->IsContextCurrent(); }

  TMatrixValues FMatrix;
  std::uint16_t FMatrixMode;
  const TGLContextProbe* FContext;
};

// Single-precision product a x b in OpenGL's sense, summed in the order OpenGL's reference
// implementation sums it.
TMatrixValues MultiplyValues(const TMatrixValues& a, const TMatrixValues& b);

} // namespace glview
