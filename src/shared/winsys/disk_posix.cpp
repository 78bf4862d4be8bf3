// The disk on POSIX systems (Linux, where the tests and the scenario runs play).
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "shared/winsys/disk.h"

namespace winsys {
namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

// Closes on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool open() const { return fd_ >= 0; }
  // Closes now and answers whether the close reported no error (a delayed write can fail there).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A file system that cannot flush a folder says EINVAL; that is no failure of this write.
bool FlushFolder(const std::string& path) {
  Descriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.open()) return false;
  return ::fsync(folder.get()) == 0 || errno == EINVAL;
}

}  // namespace

DiskRead ReadRegularFile(const std::string& path, std::size_t most_bytes, std::string& content) {
  content.clear();
  // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.open()) return DiskRead::kCannotOpen;
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) return DiskRead::kCannotRead;
  if (!S_ISREG(status.st_mode)) return DiskRead::kNotARegularFile;
  if (static_cast<unsigned long long>(status.st_size) > most_bytes) return DiskRead::kTooLarge;
  // The size said is only a hint: the file may grow while it is read.
  std::string buffer;
  for (;;) {
    const std::size_t before = buffer.size();
    buffer.resize(before + kReadChunk);
    const ssize_t got = ::read(file.get(), buffer.data() + before, kReadChunk);
    if (got < 0 && errno == EINTR) {
      buffer.resize(before);
      continue;
    }
    if (got < 0) return DiskRead::kCannotRead;
    buffer.resize(before + static_cast<std::size_t>(got));
    if (buffer.size() > most_bytes) return DiskRead::kTooLarge;
    if (got == 0) break;
  }
  content = std::move(buffer);
  return DiskRead::kRead;
}

DiskWrite ReplaceFileDurably(const std::string& path, const std::string& side_path,
                             std::string_view bytes) {
  // A side file left by a crash, or a link planted there: the name goes, never what it points at.
  ::unlink(side_path.c_str());
  Descriptor side(
      ::open(side_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (!side.open()) return DiskWrite::kCannotCreate;
  const bool written = WriteAll(side.get(), bytes) && ::fsync(side.get()) == 0;
  if (!side.Close() || !written) {
    ::unlink(side_path.c_str());
    return DiskWrite::kCannotWrite;
  }
  // rename replaces a link at path by the file itself, never the link's target.
  if (std::rename(side_path.c_str(), path.c_str()) != 0) {
    ::unlink(side_path.c_str());
    return DiskWrite::kCannotReplace;
  }
  return FlushFolder(path) ? DiskWrite::kWritten : DiskWrite::kNotFlushed;
}

bool MoveWithoutReplacing(const std::string& from, const std::string& to) {
  // A hard link fails when the name is taken; a plain rename would replace it.
  if (::link(from.c_str(), to.c_str()) == 0) {
    if (::unlink(from.c_str()) == 0) return true;
    ::unlink(to.c_str());
    return false;
  }
  if (errno == EEXIST) return false;
  // A file system without hard links: look, then rename.
  struct stat status {};
  if (::lstat(to.c_str(), &status) == 0 || errno != ENOENT) return false;
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace winsys

#endif  // _WIN32
