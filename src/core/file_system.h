#pragma once
// The file operations the core needs, behind an interface: tests use fakes that fail on demand, the
// program the local file system (POSIX natively, Windows in the program). Paths are 8-bit GBK text.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace core {

enum class IoError { None, NotFound, PathNotFound, AccessDenied, DiskFull, TooManyOpen, TooLarge,
                     AlreadyExists, Other };

struct IoStatus {
  IoError error = IoError::None;
  int code = 0;  // the system's error number, for texts of otherwise unnamed errors
  constexpr bool ok() const { return error == IoError::None; }
};

// The general I/O error text for a failed status ("File access denied", "Disk full", ...).
std::string IoErrorText(const IoStatus& status);

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  virtual bool FileExists(const std::string& path) = 0;    // a file, not a folder
  virtual bool FolderExists(const std::string& path) = 0;  // a folder, not a file
  // The whole file; TooLarge (and nothing read) when it holds more than maxBytes.
  virtual IoStatus ReadFile(const std::string& path, std::size_t maxBytes, std::string& out) = 0;
  // Creates or truncates the file, writes all bytes and flushes them to the disk before closing.
  virtual IoStatus WriteFile(const std::string& path, std::string_view bytes) = 0;
  // Puts `from` in place of `to` in one step: `to` is either the old or the new file, never a mix.
  virtual IoStatus ReplaceFile(const std::string& from, const std::string& to) = 0;
  // Copies a file to a new name; AlreadyExists when `to` exists.
  virtual IoStatus CopyNewFile(const std::string& from, const std::string& to) = 0;
  virtual IoStatus RemoveFile(const std::string& path) = 0;
};

// The file system of the machine the program runs on.
std::unique_ptr<IFileSystem> MakeLocalFileSystem();

}  // namespace core
