#pragma once
#include <cstdint>

namespace glview {

// Multiplies the red, green and blue bytes of a 0x00BBGGRR colour by factor, each rounded to the
// nearest integer (halves to even) and cut to its low 8 bits; the high byte is kept as it is.
// A product that is not a finite number in integer range gives 0, as the masked x87 conversion
// to an integer would.
std::uint32_t ScaleColor(std::uint32_t color, double factor);

} // namespace glview
