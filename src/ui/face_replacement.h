#pragma once
// The faces fonts are made with under Wine: a face the system lacks is replaced by a stand-in
// the program chooses (face_choice.h); on Windows every face is used as asked.
#include <string>
#include <string_view>

#include <windows.h>

namespace ui {

// Whether the system has the face with the character set (DEFAULT_CHARSET: with any set). Asked
// of GDI once per face and set, case-insensitively: fonts are not installed mid-run for the
// program's purpose.
bool FaceInstalled(std::wstring_view face, BYTE charset);

// The face to make a font of this face and character set with, under Wine or not.
std::wstring FaceForFont(std::wstring_view face, BYTE charset, bool underWine);

// The description with its face replaced when this process runs under Wine and the system lacks
// the face in the description's character set; called just before a font is made from it.
void UseInstalledFace(LOGFONTW& font);

} // namespace ui
