#include "core/file_system.h"

namespace core {

std::string IoErrorText(const IoStatus& status) {
  switch (status.error) {
    case IoError::None: return {};
    case IoError::NotFound: return "File not found";
    case IoError::PathNotFound: return "Invalid filename";
    case IoError::AccessDenied: return "File access denied";
    case IoError::DiskFull: return "Disk full";
    case IoError::TooManyOpen: return "Too many open files";
    case IoError::TooLarge: return "File too large";
    case IoError::AlreadyExists: return "File exists";
    case IoError::Other: break;
  }
  std::string text = "I/O error ";
  text += std::to_string(status.code);
  return text;
}

}  // namespace core
