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
// The stand-ins, tried on Debian 13's Wine 10 and Debian 12's Wine 8 with the windows' texts:
//   serif faces: "DejaVu Serif" first: a serif with Cyrillic in fonts-dejavu-core, which comes
//                with fontconfig and so with Wine on nearly every Debian system. Debian 13's
//                has no italic: Wine slants the regular, and the labels make room for the
//                slant its ABC widths leave out (letter_lean.h). Then "Liberation Serif"
//                (fonts-liberation, which Wine recommends): closer in look, but Wine measures
//                its true italic narrower than it draws it (4 pixels short on "Mailer.htm" at
//                16 pixels), clipping the last letter of a caption sized to its text;
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
