// The local file system on Windows. Paths arrive as ANSI (GBK) text and go to the wide functions.
#include <windows.h>

#include <algorithm>
#include <string>

#include "core/file_system.h"

namespace core {
namespace {

IoStatus FromWinError(DWORD err) {
  const int code = static_cast<int>(err);
  switch (err) {
    case ERROR_FILE_NOT_FOUND: return {IoError::NotFound, code};
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return {IoError::PathNotFound, code};
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return {IoError::AccessDenied, code};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return {IoError::DiskFull, code};
    case ERROR_TOO_MANY_OPEN_FILES: return {IoError::TooManyOpen, code};
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return {IoError::AlreadyExists, code};
    default: return {IoError::Other, code};
  }
}

IoStatus LastError() { return FromWinError(GetLastError()); }

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (valid()) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return h_; }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  // Closes now so that a failing close is reported.
  bool Close() {
    const BOOL ok = CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
    return ok != FALSE;
  }

 private:
  HANDLE h_;
};

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()); }

class WindowsFileSystem final : public IFileSystem {
 public:
  bool FileExists(const std::string& path) override {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool FolderExists(const std::string& path) override {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
  }

  IoStatus ReadFile(const std::string& path, std::size_t maxBytes, std::string& out) override {
    out.clear();
    Handle file(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return LastError();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return LastError();
    if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > maxBytes)
      return {IoError::TooLarge, 0};
    std::string data(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < data.size()) {
      DWORD got = 0;
      const DWORD want = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
      if (!::ReadFile(file.get(), data.data() + done, want, &got, nullptr)) return LastError();
      if (got == 0) break;  // the file shrank meanwhile
      done += got;
    }
    data.resize(done);
    out = std::move(data);
    return {};
  }

  IoStatus WriteFile(const std::string& path, std::string_view bytes) override {
    Handle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return LastError();
    while (!bytes.empty()) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
      if (!::WriteFile(file.get(), bytes.data(), chunk, &written, nullptr)) return LastError();
      if (written == 0) return {IoError::DiskFull, ERROR_DISK_FULL};
      bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(file.get())) return LastError();
    if (!file.Close()) return LastError();
    return {};
  }

  IoStatus ReplaceFile(const std::string& from, const std::string& to) override {
    // One rename; ReplaceFileW is avoided because it is not atomic everywhere.
    if (!MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return LastError();
    return {};
  }

  IoStatus CopyNewFile(const std::string& from, const std::string& to) override {
    const std::wstring target = Wide(to);
    if (CopyFileW(Wide(from).c_str(), target.c_str(), TRUE)) return {};
    const IoStatus status = LastError();
    if (status.error != IoError::AlreadyExists) DeleteFileW(target.c_str());  // no partial copy
    return status;
  }

  IoStatus RemoveFile(const std::string& path) override {
    return DeleteFileW(Wide(path).c_str()) ? IoStatus{} : LastError();
  }
};

}  // namespace

std::unique_ptr<IFileSystem> MakeLocalFileSystem() { return std::make_unique<WindowsFileSystem>(); }

}  // namespace core
