#include "glview/view_matrix.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "ui/exception.h"

namespace glview {

TViewMatrix::TViewMatrix(std::uint16_t mode, const TGLContextProbe& context)
    : FMatrix(kIdentityValues), FMatrixMode(mode), FContext(&context) {}

void TViewMatrix::Identity() {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      FMatrix[4 * i + j] = i == j ? 1.0f : 0.0f;
}

TMatrixValues MultiplyValues(const TMatrixValues& a, const TMatrixValues& b) {
  TMatrixValues p;
  for (int r = 0; r < 4; ++r) {
    const float a0 = a[r], a1 = a[4 + r], a2 = a[8 + r], a3 = a[12 + r];
    for (int c = 0; c < 4; ++c)
      p[4 * c + r] = a0 * b[4 * c] + a1 * b[4 * c + 1] + a2 * b[4 * c + 2] + a3 * b[4 * c + 3];
  }
  return p;
}

void TViewMatrix::Multiply(const TMatrixValues& other) {
  if (!CanTransform())
    return;
  FMatrix = MultiplyValues(FMatrix, other); // the product is built apart, so other may be FMatrix
}

void TViewMatrix::PreMultiply(const TMatrixValues& other) {
  if (!CanTransform())
    return;
  FMatrix = MultiplyValues(other, FMatrix);
}

void TViewMatrix::Rotate(const TVector3& axis, float angle) {
  if (!CanTransform() || angle == 0.0f)
    return;
  // The rotation matrix is built as OpenGL's reference implementation builds it: the angle in
  // radians rounded to 32 bits, its single-precision sine and cosine (taken here in double and
  // rounded once, so that they do not depend on the C library's float routines), and exact
  // entries for a rotation about a coordinate axis.
  const double radians = static_cast<float>(angle * std::numbers::pi / 180.0);
  const float s = static_cast<float>(std::sin(radians));
  const float c = static_cast<float>(std::cos(radians));
  float x = axis[0], y = axis[1], z = axis[2];
  TMatrixValues m = kIdentityValues;
  auto at = [&m](int row, int col) -> float& { return m[4 * col + row]; };
  if (x == 0.0f && y == 0.0f && z != 0.0f) {
    at(0, 0) = c;
    at(1, 1) = c;
    at(0, 1) = z < 0.0f ? s : -s;
    at(1, 0) = z < 0.0f ? -s : s;
  } else if (x == 0.0f && y != 0.0f && z == 0.0f) {
    at(0, 0) = c;
    at(2, 2) = c;
    at(0, 2) = y < 0.0f ? -s : s;
    at(2, 0) = y < 0.0f ? s : -s;
  } else if (x != 0.0f && y == 0.0f && z == 0.0f) {
    at(1, 1) = c;
    at(2, 2) = c;
    at(1, 2) = x < 0.0f ? s : -s;
    at(2, 1) = x < 0.0f ? -s : s;
  } else {
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length <= 1.0e-4f)
      return; // no usable axis: OpenGL leaves the matrix as it is
    x /= length;
    y /= length;
    z /= length;
    const float oneC = 1.0f - c;
    at(0, 0) = oneC * (x * x) + c;
    at(0, 1) = oneC * (x * y) - z * s;
    at(0, 2) = oneC * (z * x) + y * s;
    at(1, 0) = oneC * (x * y) + z * s;
    at(1, 1) = oneC * (y * y) + c;
    at(1, 2) = oneC * (y * z) - x * s;
    at(2, 0) = oneC * (z * x) - y * s;
    at(2, 1) = oneC * (y * z) + x * s;
    at(2, 2) = oneC * (z * z) + c;
  }
  FMatrix = MultiplyValues(FMatrix, m);
}

void TViewMatrix::Scale(float x, float y, float z) {
  if (!CanTransform())
    return;
  for (int r = 0; r < 4; ++r) {
    FMatrix[r] *= x;
    FMatrix[4 + r] *= y;
    FMatrix[8 + r] *= z;
  }
}

void TViewMatrix::Translate(float x, float y, float z) {
  if (!CanTransform())
    return;
  for (int r = 0; r < 4; ++r)
    FMatrix[12 + r] = FMatrix[r] * x + FMatrix[4 + r] * y + FMatrix[8 + r] * z + FMatrix[12 + r];
}

void TViewMatrix::Invert() {
  // A[r][k] is element 4r + k. Since the inverse of the transpose is the transpose of the
  // inverse, reading the elements by rows gives the same result as by columns. Work happens on
  // copies so that a singular matrix is left as it was.
  float a[4][4], b[4][4];
  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 4; ++k) {
      a[r][k] = FMatrix[4 * r + k];
      b[r][k] = r == k ? 1.0f : 0.0f;
    }
  for (int i = 0; i < 4; ++i) {
    int p = i;
    double best = std::fabs(a[i][i]);
    for (int r = i + 1; r < 4; ++r)
      if (std::fabs(a[r][i]) > best) { // strictly greater: of equal pivots the earliest row wins
        best = std::fabs(a[r][i]);
        p = r;
      }
    if (best < 1e-200) // with 32-bit values: the column is zero from row i down
      throw ui::Exception("Вырожденная матрица");
    if (p != i) {
      for (int k = i; k < 4; ++k)
        std::swap(a[i][k], a[p][k]);
      for (int k = 0; k < 4; ++k)
        std::swap(b[i][k], b[p][k]);
    }
    const double d = a[i][i];
    for (int k = i; k < 4; ++k)
      a[i][k] = static_cast<float>(a[i][k] / d);
    for (int k = 0; k < 4; ++k)
      b[i][k] = static_cast<float>(b[i][k] / d);
    auto eliminate = [&](int r) {
      const double f = a[r][i];
      for (int k = i; k < 4; ++k)
        a[r][k] = static_cast<float>(a[r][k] - f * a[i][k]);
      for (int k = 0; k < 4; ++k)
        b[r][k] = static_cast<float>(b[r][k] - f * b[i][k]);
    };
    for (int r = i + 1; r < 4; ++r)
      eliminate(r);
    for (int r = 0; r < i; ++r)
      eliminate(r);
  }
  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 4; ++k)
      FMatrix[4 * r + k] = b[r][k];
}

} // namespace glview
