#include "ui/error_text.h"

namespace ui {

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
    return message + '.';
  return message;
}

} // namespace ui
