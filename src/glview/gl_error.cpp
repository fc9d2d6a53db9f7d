#include "glview/gl_error.h"

namespace glview {

const char* GLErrorSuffix(unsigned code) {
  switch (code) {
  case 0x0500: // GL_INVALID_ENUM
    return " (Недопустимое значение)";
  case 0x0501: // GL_INVALID_VALUE
    return " (Значение вне диапазона)";
  case 0x0502: // GL_INVALID_OPERATION
    return " (Недопустимая операция)";
  case 0x0503: // GL_STACK_OVERFLOW
    return " (Стек переполнен)";
  case 0x0504: // GL_STACK_UNDERFLOW
    return " (Стек недополнен)";
  case 0x0505: // GL_OUT_OF_MEMORY
    return " (Не хватает памяти)";
  default:
    return nullptr;
  }
}

void RaiseGLError(unsigned code, const std::string& prefix) {
  if (const char* suffix = GLErrorSuffix(code))
    throw EOpenGLError(prefix + suffix);
}

} // namespace glview
