#pragma once
// An error that a handler does not catch itself. It ends the handler that raised it and is shown by
// the application's general error report (a message box with the text); the application goes on.
#include <stdexcept>
#include <string>

namespace core {

class GeneralError : public std::runtime_error {
 public:
  explicit GeneralError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace core
