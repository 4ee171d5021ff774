// The local file system on POSIX hosts (native builds and their tests).
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "core/file_system.h"
#include "core/gbk.h"

namespace core {
namespace {

IoStatus FromErrno(int err) {
  switch (err) {
    case ENOENT: return {IoError::NotFound, err};
    case ENOTDIR: return {IoError::PathNotFound, err};
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return {IoError::AccessDenied, err};
    case ENOSPC:
    case EDQUOT: return {IoError::DiskFull, err};
    case EMFILE:
    case ENFILE: return {IoError::TooManyOpen, err};
    case EEXIST: return {IoError::AlreadyExists, err};
    default: return {IoError::Other, err};
  }
}

IoStatus LastError() { return FromErrno(errno); }

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release() { int fd = fd_; fd_ = -1; return fd; }

 private:
  int fd_;
};

bool IsKind(const std::string& path, mode_t kind) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

IoStatus WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return {};
}

// Closes explicitly so that a failing close (delayed write errors) is reported.
IoStatus SyncAndClose(Fd& fd) {
  if (::fsync(fd.get()) != 0) return LastError();
  if (::close(fd.release()) != 0) return LastError();
  return {};
}

// Makes a rename durable; a failure here leaves the rename done, so it is not reported.
void SyncFolderOf(const std::string& path) {
  const std::string folder = FolderOf(path);
  Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
}

class PosixFileSystem final : public IFileSystem {
 public:
  bool FileExists(const std::string& path) override { return IsKind(path, S_IFREG); }
  bool FolderExists(const std::string& path) override { return IsKind(path, S_IFDIR); }

  IoStatus ReadFile(const std::string& path, std::size_t maxBytes, std::string& out) override {
    out.clear();
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) return LastError();
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return LastError();
    if ((st.st_mode & S_IFMT) != S_IFREG) return {IoError::AccessDenied, EISDIR};
    std::string data;
    if (static_cast<unsigned long long>(st.st_size) <= maxBytes) data.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
      const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
      if (n < 0) {
        if (errno == EINTR) continue;
        return LastError();
      }
      if (n == 0) break;
      if (static_cast<size_t>(n) > maxBytes - data.size()) return {IoError::TooLarge, 0};
      data.append(buffer, static_cast<size_t>(n));
    }
    out = std::move(data);
    return {};
  }

  IoStatus WriteFile(const std::string& path, std::string_view bytes) override {
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd.valid()) return LastError();
    IoStatus status = WriteAll(fd.get(), bytes);
    if (!status.ok()) return status;
    return SyncAndClose(fd);
  }

  IoStatus ReplaceFile(const std::string& from, const std::string& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return LastError();
    SyncFolderOf(to);
    return {};
  }

  IoStatus CopyNewFile(const std::string& from, const std::string& to) override {
    Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.valid()) return LastError();
    Fd out(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!out.valid()) return LastError();
    IoStatus status = CopyContent(in.get(), out.get());
    if (status.ok()) status = SyncAndClose(out);
    if (!status.ok()) ::unlink(to.c_str());  // no partial copy stays behind
    return status;
  }

  IoStatus RemoveFile(const std::string& path) override {
    return ::unlink(path.c_str()) == 0 ? IoStatus{} : LastError();
  }

 private:
  static IoStatus CopyContent(int in, int out) {
    char buffer[65536];
    for (;;) {
      const ssize_t n = ::read(in, buffer, sizeof buffer);
      if (n < 0) {
        if (errno == EINTR) continue;
        return LastError();
      }
      if (n == 0) return {};
      IoStatus status = WriteAll(out, std::string_view(buffer, static_cast<size_t>(n)));
      if (!status.ok()) return status;
    }
  }
};

}  // namespace

std::unique_ptr<IFileSystem> MakeLocalFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace core
