#pragma once
// How far a letter's drawing reaches past its advance width: the room a text sized to its
// advances needs after its last letter, so that an italic one is not clipped.
#include <windows.h>

namespace ui {

// Pixels by which `letter`, in the font selected into `dc`, is drawn past its advance width;
// 0 when it stays within it or the font cannot say (a raster font). The larger of two
// measures: the letter's ABC widths, and its glyph box. They agree for a font's own italic,
// but for an italic Wine slants from the regular (Debian 13's DejaVu Serif has no italic of its
// own) the ABC widths leave the slant out, and a closing "/" lost its top.
int LetterLean(HDC dc, wchar_t letter);

} // namespace ui
