#pragma once
// Extension strings: names separated by blanks, as OpenGL and WGL report what they support.
#include <string_view>

namespace glview {

// Whether the list names this extension as a whole word ("WGL_ARB_pbuffer" is not found in
// "WGL_ARB_pbuffer_float" alone).
bool ListsExtension(std::string_view extensions, std::string_view name);

} // namespace glview
