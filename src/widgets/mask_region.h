#pragma once
// The window region of a shaped button, made from the pixels of its face: every pixel that is
// not the key colour belongs to the button.
#include "widgets/fc_types.h"

#include <cstdint>
#include <vector>

namespace widgets {

// One rectangle per horizontal run of non-key pixels, rows top down. `pixels` holds `height`
// rows of `width` 32-bit pixels; only the low 24 bits are compared with `key`.
std::vector<TRect> MaskRuns(const std::uint32_t* pixels, int width, int height, std::uint32_t key);

} // namespace widgets
