#include "glview/animation_step.h"
#include "glview/view_matrix.h"

#include <gtest/gtest.h>

#include "ui/exception.h"

namespace glview {
namespace {

class TSwitchableContext final : public TGLContextProbe {
public:
  bool IsContextCurrent() const override { return Current; }
  bool Current = true;
};

// Rows as one reads them on paper; stored column by column as OpenGL keeps them.
TMatrixValues FromRows(std::initializer_list<float> rows) {
  TMatrixValues m{};
  int i = 0;
  for (float v : rows) {
    m[4 * (i % 4) + i / 4] = v;
    ++i;
  }
  return m;
}

void ExpectNear(const TMatrixValues& actual, const TMatrixValues& expected, float tolerance) {
  for (int i = 0; i < 16; ++i)
    EXPECT_NEAR(actual[i], expected[i], tolerance) << "row " << i % 4 << ", column " << i / 4;
}

struct Vertex {
  float x, y, z;
};

Vertex Apply(const TViewMatrix& m, Vertex v) {
  const TMatrixValues& a = m.Values();
  return {a[0] * v.x + a[4] * v.y + a[8] * v.z + a[12],
          a[1] * v.x + a[5] * v.y + a[9] * v.z + a[13],
          a[2] * v.x + a[6] * v.y + a[10] * v.z + a[14]};
}

void ExpectVertex(Vertex actual, Vertex expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-6f);
  EXPECT_NEAR(actual.y, expected.y, 1e-6f);
  EXPECT_NEAR(actual.z, expected.z, 1e-6f);
}

class ViewMatrixTest : public ::testing::Test {
protected:
  TSwitchableContext context;
  TViewMatrix m{kModelViewMode, context};
};

TEST_F(ViewMatrixTest, StartsAsIdentityOfItsMode) {
  EXPECT_EQ(m.Values(), kIdentityValues);
  EXPECT_EQ(m.MatrixMode(), kModelViewMode);
  TViewMatrix p(kProjectionMode, context);
  EXPECT_EQ(p.MatrixMode(), kProjectionMode);
}

TEST_F(ViewMatrixTest, RotatesCounterClockwiseAboutEachAxis) {
  // A quarter turn each; a negative axis turns the other way, and its length does not matter.
  const struct {
    TVector3 Axis;
    Vertex From, To;
  } turns[] = {
      {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}},
      {XAxis, {0, 1, 0}, {0, 0, 1}},      {XAxis, {0, 0, 1}, {0, -1, 0}},
      {YAxis, {0, 0, 1}, {1, 0, 0}},      {YAxis, {1, 0, 0}, {0, 0, -1}},
      {{0, -5, 0}, {1, 0, 0}, {0, 0, 1}},
  };
  for (const auto& [axis, from, to] : turns) {
    m.Identity();
    m.Rotate(axis, 90);
    ExpectVertex(Apply(m, from), to);
  }

  m.Identity();
  m.Rotate(XAxis, 30);
  ExpectNear(m.Values(),
             FromRows({1, 0, 0, 0, 0, 0.8660254f, -0.5f, 0, 0, 0.5f, 0.8660254f, 0, 0, 0, 0, 1}),
             1e-7f);
}

TEST_F(ViewMatrixTest, RotatesAboutANonUnitAxis) {
  // 120 degrees about the diagonal cycles the axes x -> y -> z -> x.
  m.Rotate({2, 2, 2}, 120);
  ExpectNear(m.Values(), FromRows({0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1}), 1e-6f);

  // Half a turn about n = (0, 0.6, 0.8) is 2 n n^T - I.
  m.Identity();
  m.Rotate({0, 3, 4}, 180);
  ExpectNear(m.Values(),
             FromRows({-1, 0, 0, 0, 0, -0.28f, 0.96f, 0, 0, 0.96f, 0.28f, 0, 0, 0, 0, 1}), 1e-6f);

  // An axis too short to give a direction, or a zero angle, changes nothing.
  m.Identity();
  m.Rotate({0, 0, 0}, 45);
  m.Rotate({1e-5f, 1e-5f, 0}, 45);
  m.Rotate({1, 1, 0}, 0);
  EXPECT_EQ(m.Values(), kIdentityValues);
}

TEST_F(ViewMatrixTest, OperationsActOnTheVertexBeforeTheMatrix) {
  // M := M x R: the rotation acts first, the translation already in M afterwards.
  m.Translate(1, 2, 3);
  m.Rotate({0, 0, 1}, 90);
  ExpectVertex(Apply(m, {1, 0, 0}), {1, 3, 3});

  m.Identity();
  m.Translate(1, 2, 3);
  m.Scale(2, 3, 4);
  EXPECT_EQ(m.Values(), FromRows({2, 0, 0, 1, 0, 3, 0, 2, 0, 0, 4, 3, 0, 0, 0, 1}));

  m.Identity();
  m.Scale(2, 3, 4);
  m.Translate(1, 1, 1);
  EXPECT_EQ(m.Values(), FromRows({2, 0, 0, 2, 0, 3, 0, 3, 0, 0, 4, 4, 0, 0, 0, 1}));
}

TEST_F(ViewMatrixTest, MultipliesByItsOwnValuesToSquare) {
  m.SetValues(FromRows({1, 1, 0, 0, 0, 1, 1, 0, 0, 0, 1, 1, 0, 0, 0, 1}));
  m.Multiply(m.Values());
  EXPECT_EQ(m.Values(), FromRows({1, 2, 1, 0, 0, 1, 2, 1, 0, 0, 1, 2, 0, 0, 0, 1}));

  m.Identity();
  m.Translate(1, 2, 3);
  m.Multiply(m.Values());
  EXPECT_EQ(m.Values(), FromRows({1, 0, 0, 2, 0, 1, 0, 4, 0, 0, 1, 6, 0, 0, 0, 1}));
}

TEST_F(ViewMatrixTest, PreMultiplyPutsTheOperandOnTheLeft) {
  TViewMatrix scale(kModelViewMode, context);
  scale.Scale(2, 2, 2);

  m.Translate(1, 0, 0);
  m.PreMultiply(scale.Values()); // S x T: the translation is scaled too
  ExpectVertex(Apply(m, {0, 0, 0}), {2, 0, 0});

  m.Identity();
  m.Translate(1, 0, 0);
  m.Multiply(scale.Values()); // T x S
  ExpectVertex(Apply(m, {0, 0, 0}), {1, 0, 0});
  ExpectVertex(Apply(m, {1, 0, 0}), {3, 0, 0});

  m.SetValues(FromRows({1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
  m.PreMultiply(m.Values());
  EXPECT_EQ(m.Values(), FromRows({1, 2, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
}

TEST_F(ViewMatrixTest, TransformsDoNothingWithoutACurrentContext) {
  m.SetValues(FromRows({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 0, 0, 1}));
  const TMatrixValues before = m.Values();
  context.Current = false;
  m.Rotate(XAxis, 30);
  m.Scale(2, 2, 2);
  m.Translate(1, 1, 1);
  m.Multiply(m.Values());
  m.PreMultiply(m.Values());
  EXPECT_EQ(m.Values(), before);

  // Identity and inversion are plain arithmetic.
  m.SetValues(FromRows({2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 1}));
  m.Invert();
  EXPECT_EQ(m.Values(), FromRows({0.5f, 0, 0, 0, 0, 0.25f, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1}));
  m.Identity();
  EXPECT_EQ(m.Values(), kIdentityValues);
}

TEST_F(ViewMatrixTest, InvertsIdentityScalesRotationsAndTranslations) {
  m.Invert();
  EXPECT_EQ(m.Values(), kIdentityValues);

  m.Rotate({1, 2, 3}, 30);
  m.Invert();
  TViewMatrix back(kModelViewMode, context);
  back.Rotate({1, 2, 3}, -30);
  ExpectNear(m.Values(), back.Values(), 1e-6f);

  m.Identity();
  m.Translate(1, -2, 3);
  m.Scale(2, 2, 2);
  m.Invert();
  ExpectVertex(Apply(m, {1, -2, 3}), {0, 0, 0});
  ExpectVertex(Apply(m, {3, -2, 3}), {1, 0, 0});
}

TEST_F(ViewMatrixTest, InvertTakesTheEarliestOfEqualPivots) {
  // Column 0 offers 3 and -3 below a zero: the row holding 3 is taken. Taking the other one gives
  // the same inverse up to rounding, but not these 32-bit values (-0.24242425 in the first place,
  // 0.075757578 in the second and -0.25757575 in the third).
  m.SetValues({0, -2, 3, 0, 3, -3, -4, 0, -3, 1, -4, 0, 0, 0, 0, 1});
  m.Invert();
  EXPECT_EQ(m.Values(), (TMatrixValues{-0.24242422f, 0.0757575631f, -0.25757578f, 0, -0.363636374f,
                                       -0.13636364f, -0.13636364f, 0, 0.0909090936f, -0.0909090936f,
                                       -0.0909090936f, 0, 0, 0, 0, 1}));
}

TEST_F(ViewMatrixTest, InvertRejectsASingularMatrixAndKeepsIt) {
  const TMatrixValues singular =
      FromRows({1, 0, 2, 0, 0, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1}); // third column is dependent
  for (const TMatrixValues& values :
       {FromRows({0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), singular, TMatrixValues{}}) {
    m.SetValues(values);
    try {
      m.Invert();
      ADD_FAILURE() << "no exception";
    } catch (const ui::Exception& e) {
      EXPECT_EQ(e.Message(), "Вырожденная матрица");
    }
    EXPECT_EQ(m.Values(), values);
  }
}

TEST(BuildStep, RaisesTheMotionToTheSpeedAndInvertsForNegativeSpeeds) {
  TSwitchableContext context;
  TViewMatrix motion(kProjectionMode, context), step(kProjectionMode, context);
  motion.Rotate(YAxis, 10);
  motion.Translate(0.5f, 0, 0);

  BuildStep(step, motion, 3);
  TViewMatrix expected(kProjectionMode, context);
  for (int i = 0; i < 3; ++i)
    expected.Multiply(motion.Values());
  EXPECT_EQ(step.Values(), expected.Values());

  BuildStep(step, motion, -1);
  TViewMatrix undone = step;
  undone.Multiply(motion.Values());
  ExpectNear(undone.Values(), kIdentityValues, 1e-6f);

  BuildStep(step, motion, 0);
  EXPECT_EQ(step.Values(), kIdentityValues);

  motion.Scale(0, 1, 1);
  EXPECT_THROW(BuildStep(step, motion, -2), ui::Exception);
}

// Beyond a thousand steps the power is taken by squaring: the same matrix as one multiplication
// per step (within float rounding), and a speed typed as 2000000000 does not freeze the program.
TEST(BuildStep, LargeSpeedsGiveThePowerBySquaring) {
  TSwitchableContext context;
  TViewMatrix motion(kProjectionMode, context), step(kProjectionMode, context);
  motion.Rotate({0, 0, 1}, 1);
  BuildStep(step, motion, 1500);
  TViewMatrix expected(kProjectionMode, context);
  for (int i = 0; i < 1500; ++i)
    expected.Multiply(motion.Values());
  ExpectNear(step.Values(), expected.Values(), 1e-3f);
  BuildStep(step, motion, 2000000000); // finishes; the float matrix itself means little then
  BuildStep(step, motion, -2147483647 - 1);
}

} // namespace
} // namespace glview
