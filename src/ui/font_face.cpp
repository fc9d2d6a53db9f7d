#include "ui/font_face.h"

#include "ui/display_scale.h"

#include <algorithm>
#include <cctype>

namespace ui {
namespace {

// Face names are matched as the font mapper matches them, whatever their case.
bool SameFace(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

} // namespace

std::string FaceForDpi(const std::string& face, int dpi) {
  if (dpi > kDesignDpi && SameFace(face, "MS Sans Serif"))
    return "Microsoft Sans Serif";
  return face;
}

} // namespace ui
