#pragma once
// The face a font is made with at a DPI. "MS Sans Serif" is a bitmap font with a few fixed sizes:
// asked for at a scaled size, its text comes out stretched or snapped to the nearest size it
// has. Above the design DPI its outline twin of the same design, "Microsoft Sans Serif", takes
// its place; at the design DPI every face stays as asked.
#include <string>

namespace ui {

std::string FaceForDpi(const std::string& face, int dpi);

} // namespace ui
