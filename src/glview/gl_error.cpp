#include "glview/gl_error.h"

#include <iterator>

namespace glview {

const char* GLErrorSuffix(unsigned code) {
  // OpenGL numbers its six errors consecutively from GL_INVALID_ENUM (0x0500).
  static constexpr const char* kSuffixes[] = {
      " (Недопустимое значение)",  // GL_INVALID_ENUM
      " (Значение вне диапазона)", // GL_INVALID_VALUE
      " (Недопустимая операция)",  // GL_INVALID_OPERATION
      " (Стек переполнен)",        // GL_STACK_OVERFLOW
      " (Стек недополнен)",        // GL_STACK_UNDERFLOW
      " (Не хватает памяти)",      // GL_OUT_OF_MEMORY
  };
  const unsigned index = code - 0x0500u; // wraps past the table below 0x0500
  return index < std::size(kSuffixes) ? kSuffixes[index] : nullptr;
}

void RaiseGLError(unsigned code, const std::string& prefix) {
  if (const char* suffix = GLErrorSuffix(code))
    throw EOpenGLError(prefix + suffix);
}

} // namespace glview
