#include "ui/letter_lean.h"

#include <algorithm>

namespace ui {

int LetterLean(HDC dc, wchar_t letter) {
  int lean = 0;
  ABC abc{};
  if (GetCharABCWidthsW(dc, letter, letter, &abc))
    lean = std::max(lean, -abc.abcC);
  GLYPHMETRICS glyph{};
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  if (GetGlyphOutlineW(dc, letter, GGO_METRICS, &glyph, 0, nullptr, &identity) != GDI_ERROR) {
    const int inkRight = glyph.gmptGlyphOrigin.x + static_cast<int>(glyph.gmBlackBoxX);
    lean = std::max(lean, inkRight - glyph.gmCellIncX);
  }
  return lean;
}

} // namespace ui
