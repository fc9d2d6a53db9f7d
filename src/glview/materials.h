#pragma once
// The constant material table of the view module. Row 0 is the default material used in colour
// mode; row n (1..25) is the material named by MaterialNames[n - 1].
#include <array>
#include <string_view>

namespace glview {

struct TMaterial {
  float Ambient[3];
  float Diffuse[3];
  float Specular[3];
  float Shininess; // a fraction: OpenGL's shininess exponent is 128 times it
};

inline constexpr int kMaterialCount = 25;

extern const std::array<TMaterial, kMaterialCount + 1> Materials;
// Windows-1251 text, in table order.
extern const std::array<std::string_view, kMaterialCount> MaterialNames;

} // namespace glview
