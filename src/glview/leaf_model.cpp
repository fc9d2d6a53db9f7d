#include "glview/leaf_model.h"

namespace glview {

// clang-format off
const std::array<TLeafOutlinePoint, kLeafPointCount> LeafOutline = {{
    {0, 0},         {-0.02, -0.22}, {-0.09, -0.29}, {-0.17, -0.48}, {-0.25, -0.3},
    {-0.51, -0.41}, {-0.58, -0.3},  {-0.85, -0.35}, {-0.77, -0.12}, {-0.8, -0.05},
    {-0.63, 0.08},  {-0.97, 0.3},   {-0.89, 0.41},  {-1.05, 0.73},  {-0.72, 0.68},
    {-0.67, 0.78},  {-0.37, 0.6},   {-0.43, 1.1},   {-0.23, 1.09},  {0, 1.5},
    {0.22, 1.08},   {0.4, 1.1},     {0.33, 0.61},   {0.67, 0.82},   {0.72, 0.72},
    {1.05, 0.77},   {0.87, 0.43},   {1, 0.3},       {0.63, 0.09},   {0.79, -0.04},
    {0.75, -0.09},  {0.87, -0.21},  {0.61, -0.22},  {0.59, -0.32},  {0.33, -0.29},
    {0.26, -0.5},   {0.11, -0.34},  {0.08, -0.37},  {0.02, -0.23},
}};
// clang-format on

std::array<TColoredPoint, kLeafPointCount> DrawLeafPoints(TLeafRandom& random) {
  std::array<TColoredPoint, kLeafPointCount> points;
  for (int i = 0; i < kLeafPointCount; ++i) {
    points[i].X = LeafOutline[i].X;
    points[i].Y = LeafOutline[i].Y;
  }
  const int r0 = random.Random(100) + 100;
  const int g0 = random.Random(100) + 155;
  const int b0 = random.Random(100) + 20;
  for (TColoredPoint& point : points) {
    point.Z = random.RandomReal() / 8 - 0.0625;
    point.Color[0] = static_cast<std::uint8_t>(random.Random(50) + r0);
    point.Color[1] = static_cast<std::uint8_t>(random.Random(50) + g0); // wraps past 255
    point.Color[2] = static_cast<std::uint8_t>(random.Random(50) + b0);
  }
  return points;
}

} // namespace glview
