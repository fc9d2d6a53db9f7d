#pragma once
// The view module's exception and the texts of the OpenGL errors it reports.
#include <string>

#include "ui/exception.h"

namespace glview {

// Every failure the view control detects itself (the singular matrix of TViewMatrix::Invert
// excepted, which is a plain ui::Exception).
class EOpenGLError : public ui::Exception {
public:
  using ui::Exception::Exception;
};

// The Russian text for one of OpenGL's six error codes (0x0500..0x0505), nullptr for any other
// value, GL_NO_ERROR included.
const char* GLErrorSuffix(unsigned code);

// Raises EOpenGLError(prefix + suffix) when code is one of the six; returns quietly otherwise.
void RaiseGLError(unsigned code, const std::string& prefix);

} // namespace glview
