#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded.
  bool close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string FolderOf(const std::string& path);

// A symbolic link is saved by writing through to the file it names, so the
// link itself survives the save; a link whose file does not exist yet makes
// that file, as a shell's redirection does.
std::string ResolveTarget(const std::string& path) {
  std::string target = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    char link[PATH_MAX];
    const ssize_t n = ::readlink(target.c_str(), link, sizeof link - 1);
    if (n <= 0) return target;
    const std::string named(link, static_cast<std::size_t>(n));
    target = named.front() == '/' ? named : FolderOf(target) + "/" + named;
  }
  return target;
}

// A file the user has made read-only is not replaced, not even by root:
// the save is refused as it would be on a read-only document.
bool IsReadOnlyFile(const struct stat& info, const std::string& path) {
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

std::string FolderOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The permissions a newly created file would get: 0666 less the umask.
mode_t NewFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void FlushFolder(const std::string& folder) {
  FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  // Opened without waiting, so a FIFO or a device cannot hold the program up;
  // only plain files are read.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (file.get() < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  if (static_cast<std::size_t>(info.st_size) > maxBytes) return std::nullopt;

  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) break;
    if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) return std::nullopt;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty() || path.back() == '/') return false;
  const std::string target = ResolveTarget(path);
  const std::string folder = FolderOf(target);
  std::string temp = target + ".XXXXXX";
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && (!S_ISREG(existing.st_mode) || IsReadOnlyFile(existing, target))) return false;
  FileDescriptor file(::mkstemp(temp.data()));
  if (file.get() < 0) return false;

  mode_t mode = exists ? (existing.st_mode & 07777) : NewFileMode();
  bool ok =
      ::fchmod(file.get(), mode) == 0 && WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
  ok = file.close() && ok;
  if (ok) {
    struct stat info {};
    // Never replace a folder or other non-file that happens to hold the name.
    ok = ::stat(target.c_str(), &info) != 0 || S_ISREG(info.st_mode);
  }
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  FlushFolder(folder);
  return true;
}
