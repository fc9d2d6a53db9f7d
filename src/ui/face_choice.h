#pragma once
// The face a font is made with, when the face asked for may be missing.
//
// Under Wine a missing face is mapped by Wine itself, and that mapping is not always safe:
// Debian 13's Wine 10 maps a missing "Georgia" italic with the Cyrillic set to Liberation Sans
// Italic, and its text layout then faults inside that font's mark-to-mark positioning the first
// time Cyrillic text is laid out with it, killing the process at start-up. So under Wine the
// program chooses the stand-in itself, from installed faces that Wine lays out safely. A face the
// system has is used as asked, and Windows is never second-guessed.
//
// The stand-ins, tried on Debian 13's Wine 10 and Debian 12's Wine 8 with every text the windows
// show:
//   serif faces: "Liberation Serif" (fonts-liberation, which Wine recommends: a true italic with
//                Cyrillic, and a serif like the faces asked for), then "DejaVu Serif"
//                (fonts-dejavu-core, on nearly every Debian system; Cyrillic, but its italic is
//                Wine's slanted regular);
//   faces with "Sans" in their name: "Tahoma", Wine's own font, in every Wine prefix, with
//                Cyrillic.
// When none is installed, the face asked for is kept: Wine's own mapping is all there is.
#include <functional>
#include <string>
#include <string_view>

namespace ui {

// The face to make a font with: `asked` when not under Wine, when it is empty or when
// `installed` says the system has it; else the first installed stand-in of its kind; else
// `asked`. `installed` is asked about `asked` first and then about stand-ins in order.
std::wstring FaceToUse(std::wstring_view asked, bool underWine,
                       const std::function<bool(std::wstring_view face)>& installed);

} // namespace ui
