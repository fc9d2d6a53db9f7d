#include "widgets/mask_region.h"

namespace widgets {

std::vector<TRect> MaskRuns(const std::uint32_t* pixels, int width, int height, std::uint32_t key) {
  std::vector<TRect> runs;
  key &= 0xFFFFFF;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * width;
    int x = 0;
    while (x < width) {
      while (x < width && (row[x] & 0xFFFFFF) == key)
        ++x;
      const int start = x;
      while (x < width && (row[x] & 0xFFFFFF) != key)
        ++x;
      if (x > start)
        runs.push_back({start, y, x, y + 1});
    }
  }
  return runs;
}

} // namespace widgets
