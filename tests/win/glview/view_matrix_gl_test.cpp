// Our matrix arithmetic against OpenGL's own matrix stack.
#include "scratch_context.h"

#include <algorithm>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "glview/view_matrix.h"

namespace glview {
namespace {

// Equal within 32-bit rounding: a few units in the last place of the largest value involved.
void ExpectSameAsOpenGL(const TMatrixValues& ours, const TMatrixValues& opengl, const char* what) {
  float scale = 1.0f;
  for (int i = 0; i < 16; ++i)
    scale = std::max({scale, std::fabs(ours[i]), std::fabs(opengl[i])});
  for (int i = 0; i < 16; ++i)
    ASSERT_NEAR(ours[i], opengl[i], 8e-7f * scale) << what << ", element " << i;
}

class ViewMatrixGLTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(context.Valid()); }

  TMatrixValues FromOpenGL(GLenum which) const {
    TMatrixValues m;
    context.GL().GetFloatv(which, m.data());
    return m;
  }

  test::TScratchContext context;
};

TEST_F(ViewMatrixGLTest, EveryOperationGivesWhatTheMatrixStackGives) {
  const TOpenGLApi& gl = context.GL();
  std::mt19937 random(12345);
  std::uniform_real_distribution<float> value(-3.0f, 3.0f);
  for (int round = 0; round < 400; ++round) {
    TViewMatrix ours(round % 2 ? kModelViewMode : kProjectionMode, gl);
    TMatrixValues start;
    for (float& v : start)
      v = value(random);
    ours.SetValues(start);
    ours.Load(gl); // selects the mode; the stack now holds the same values
    TMatrixValues operand;
    for (float& v : operand)
      v = value(random);
    const float x = round % 7 == 0 ? 0.0f : value(random), y = value(random),
                z = round % 5 == 0 ? 0.0f : value(random), angle = value(random) * 120;
    const char* what = "";
    switch (round % 6) {
    case 0:
      what = "Rotate";
      ours.Rotate({x, y, z}, angle);
      gl.Rotatef(angle, x, y, z);
      break;
    case 1:
      what = "Rotate about a coordinate axis";
      ours.Rotate({0, 0, z == 0 ? -2.0f : z}, angle);
      gl.Rotatef(angle, 0, 0, z == 0 ? -2.0f : z);
      break;
    case 2:
      what = "Scale";
      ours.Scale(x, y, z);
      gl.Scalef(x, y, z);
      break;
    case 3:
      what = "Translate";
      ours.Translate(x, y, z);
      gl.Translatef(x, y, z);
      break;
    case 4:
      what = "Multiply";
      ours.Multiply(operand);
      gl.MultMatrixf(operand.data());
      break;
    case 5:
      what = "Multiply by itself";
      ours.Multiply(ours.Values());
      gl.MultMatrixf(start.data());
      break;
    }
    ExpectSameAsOpenGL(ours.Values(),
                       FromOpenGL(ours.MatrixMode() == kModelViewMode ? GL_MODELVIEW_MATRIX
                                                                      : GL_PROJECTION_MATRIX),
                       what);
  }
}

TEST_F(ViewMatrixGLTest, PreMultiplyGivesTheOperandTimesTheMatrix) {
  const TOpenGLApi& gl = context.GL();
  TViewMatrix ours(kProjectionMode, gl), operand(kProjectionMode, gl);
  ours.Rotate({1, 2, 3}, 40);
  ours.Translate(0.5f, -1, 2);
  operand.Scale(2, 3, 0.5f);
  operand.Rotate(YAxis, -25);
  const TMatrixValues before = ours.Values();
  ours.PreMultiply(operand.Values());
  operand.Load(gl);
  gl.MultMatrixf(before.data());
  ExpectSameAsOpenGL(ours.Values(), FromOpenGL(GL_PROJECTION_MATRIX), "PreMultiply");
}

TEST_F(ViewMatrixGLTest, LoadAndFetchTransferTheValuesOfTheMatrixMode) {
  const TOpenGLApi& gl = context.GL();
  TViewMatrix model(kModelViewMode, gl), projection(kProjectionMode, gl);
  model.Translate(1, 2, 3);
  projection.Scale(4, 5, 6);
  model.Load(gl);
  projection.Load(gl);
  GLint mode = 0;
  gl.GetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_PROJECTION);
  EXPECT_EQ(FromOpenGL(GL_MODELVIEW_MATRIX), model.Values());
  EXPECT_EQ(FromOpenGL(GL_PROJECTION_MATRIX), projection.Values());

  TViewMatrix fetched(kModelViewMode, gl);
  fetched.Fetch(gl);
  EXPECT_EQ(fetched.Values(), model.Values());
  TViewMatrix other(0x1702, gl); // GL_TEXTURE: reads the projection, as any mode but model-view
  other.Fetch(gl);
  EXPECT_EQ(other.Values(), projection.Values());
}

TEST_F(ViewMatrixGLTest, NothingChangesWhileNoContextIsCurrent) {
  const TOpenGLApi& gl = context.GL();
  TViewMatrix m(kModelViewMode, gl);
  m.Translate(1, 2, 3);
  const TMatrixValues before = m.Values();
  gl.wglMakeCurrent(nullptr, nullptr);
  EXPECT_FALSE(gl.IsContextCurrent());
  m.Rotate(XAxis, 30);
  m.Scale(2, 2, 2);
  m.Translate(1, 1, 1);
  m.Multiply(m.Values());
  m.PreMultiply(m.Values());
  m.Fetch(gl);
  EXPECT_EQ(m.Values(), before);
  context.MakeCurrent();
  EXPECT_TRUE(gl.IsContextCurrent());
}

} // namespace
} // namespace glview
