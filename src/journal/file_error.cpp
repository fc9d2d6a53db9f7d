#include "journal/file_error.h"

#include <string>

namespace journal {

ui::EInOutError FileError(unsigned long errorCode) {
  switch (errorCode) {
  case 2:
    return {"File not found", errorCode};
  case 3:
    return {"Invalid filename", errorCode};
  case 4:
    return {"Too many open files", errorCode};
  case 5:
    return {"File access denied", errorCode};
  default:
    return {"I/O error " + std::to_string(errorCode), errorCode};
  }
}

} // namespace journal
