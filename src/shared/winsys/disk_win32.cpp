// The disk on Windows, through the ANSI file functions (the program's paths are 8-bit texts).
#ifdef _WIN32

#include <windows.h>

#include "shared/winsys/disk.h"

namespace winsys {
namespace {

constexpr DWORD kReadChunk = 64 * 1024;

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (open()) ::CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool open() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return ::CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > kReadChunk ? kReadChunk : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

DiskRead ReadRegularFile(const std::string& path, std::size_t most_bytes, std::string& content) {
  content.clear();
  // A folder does not open without FILE_FLAG_BACKUP_SEMANTICS.
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.open()) return DiskRead::kCannotOpen;
  if (::GetFileType(file.get()) != FILE_TYPE_DISK) return DiskRead::kNotARegularFile;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) return DiskRead::kCannotRead;
  if (static_cast<unsigned long long>(size.QuadPart) > most_bytes) return DiskRead::kTooLarge;
  std::string buffer;
  for (;;) {
    const std::size_t before = buffer.size();
    buffer.resize(before + kReadChunk);
    DWORD got = 0;
    if (!::ReadFile(file.get(), &buffer[before], kReadChunk, &got, nullptr)) {
      return DiskRead::kCannotRead;
    }
    buffer.resize(before + got);
    if (buffer.size() > most_bytes) return DiskRead::kTooLarge;
    if (got == 0) break;
  }
  content = std::move(buffer);
  return DiskRead::kRead;
}

DiskWrite ReplaceFileDurably(const std::string& path, const std::string& side_path,
                             std::string_view bytes) {
  // A side file left by a crash, or a link planted there: DeleteFile removes the link itself.
  ::DeleteFileA(side_path.c_str());
  // CREATE_NEW fails on anything already at the name, a link included.
  FileHandle side(::CreateFileA(side_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!side.open()) return DiskWrite::kCannotCreate;
  const bool written = WriteAll(side.get(), bytes) && ::FlushFileBuffers(side.get()) != 0;
  if (!side.Close() || !written) {
    ::DeleteFileA(side_path.c_str());
    return DiskWrite::kCannotWrite;
  }
  // The rename is on the disk when MoveFileEx returns (MOVEFILE_WRITE_THROUGH); a link at path
  // is replaced, not followed.
  if (!::MoveFileExA(side_path.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileA(side_path.c_str());
    return DiskWrite::kCannotReplace;
  }
  return DiskWrite::kWritten;
}

bool MoveWithoutReplacing(const std::string& from, const std::string& to) {
  // Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken.
  return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace winsys

#endif  // _WIN32
