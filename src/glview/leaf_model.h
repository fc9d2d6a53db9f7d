#pragma once
// The leaf of the About scene as data: its outline, and the colours and depths drawn for its 39
// points. Kept apart from OpenGL so that the draws can be checked with a fixed seed.
#include <array>
#include <cstdint>
#include <random>

namespace glview {

struct TColoredPoint {
  double X = 0, Y = 0, Z = 0;
  std::uint8_t Color[4] = {0, 0, 0, 0}; // red, green, blue, and a byte nothing reads
};

inline constexpr int kLeafPointCount = 39;

struct TLeafOutlinePoint {
  double X, Y;
};
// Point 0 is the centre of the fan; 1..38 run from the stem up the left edge to the tip (19)
// and down the right edge; the edge is left open at the stem.
extern const std::array<TLeafOutlinePoint, kLeafPointCount> LeafOutline;

// The random source of a leaf: integers in 0..range-1 and reals in [0, 1).
class TLeafRandom {
public:
  explicit TLeafRandom(std::uint32_t seed) : engine_(seed) {}
  void Reseed(std::uint32_t seed) { engine_.seed(seed); }
  int Random(int range) { return std::uniform_int_distribution<int>(0, range - 1)(engine_); }
  double RandomReal() { return std::generate_canonical<double, 53>(engine_); }

private:
  std::mt19937 engine_;
};

// The leaf's points in drawing order: the outline in X and Y, then, with the base colour
// R0 100..199, G0 155..254, B0 20..119 drawn first, for each point in turn its Z in
// [-0.0625, 0.0625) and its red, green and blue, each base plus 0..49. The sums are 8-bit and
// wrap (only green can pass 255).
std::array<TColoredPoint, kLeafPointCount> DrawLeafPoints(TLeafRandom& random);

} // namespace glview
