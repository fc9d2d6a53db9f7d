#pragma once
// The framework's exception hierarchy. Messages are Windows-1251 text; the application object
// shows them in the error box (see error_text.h) and the program goes on.
#include <stdexcept>
#include <string>

namespace ui {

class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

private:
  std::string message_ = std::runtime_error::what();
};

// A text that is not a number of the expected kind ("'abc' is not a valid integer value").
class EConvertError : public Exception {
public:
  using Exception::Exception;
};

// A file operation failed; carries the operating system's error code.
class EInOutError : public Exception {
public:
  EInOutError(const std::string& message, unsigned long code) : Exception(message), code_(code) {}
  unsigned long ErrorCode() const noexcept { return code_; }

private:
  unsigned long code_;
};

// A list or collection was addressed outside its bounds.
class EListError : public Exception {
public:
  using Exception::Exception;
};

// A window the system would not make, with the error code it gave (GetLastError).
[[noreturn]] inline void RaiseWindowNotCreated(unsigned long error) {
  throw Exception("Cannot create window: error " + std::to_string(error));
}

} // namespace ui
