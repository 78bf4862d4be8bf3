#pragma once
// The disk, as the platform offers it: the few file operations the program's text files need,
// each written so that a file nobody here controls cannot hold the program up or mislead it. A
// name may be a pipe that never sends, a link to a device that never ends, a link planted where
// a new file is about to be made; the power may go at any moment. Paths are the program's own
// 8-bit texts.

#include <cstddef>
#include <string>
#include <string_view>

namespace winsys {

enum class DiskRead {
  kRead,
  kCannotOpen,       // missing, or no right to read it
  kNotARegularFile,  // a folder, a pipe, a device
  kTooLarge,         // more than the bound asked for
  kCannotRead,       // opened, but reading failed
};

// Reads the whole of a regular file of at most most_bytes into content. Opening never waits for
// a writer (a pipe), and no more than most_bytes + 1 bytes are ever read, whatever the file
// claims. On failure content is left empty.
DiskRead ReadRegularFile(const std::string& path, std::size_t most_bytes, std::string& content);

enum class DiskWrite {
  kWritten,
  kCannotCreate,   // the side file could not be made new (no such folder, no right, in the way)
  kCannotWrite,    // writing or flushing the side file failed (disk full)
  kCannotReplace,  // the side file is on disk but could not take the file's place
  kNotFlushed,     // in place, but the disk did not confirm the rename
};

// Puts bytes into a new side file, made exclusively (never through a link or into an existing
// file; a stale one is removed first), flushes it to the disk, renames it over path and flushes
// the folder, so that a crash or a power cut leaves either the old file or the new one. The file
// left at path is never a link. On a failure before the rename the side file is removed and path
// is untouched.
DiskWrite ReplaceFileDurably(const std::string& path, const std::string& side_path,
                             std::string_view bytes);

// Gives the file at from the name to, only when nothing is at to yet; answers whether it moved.
bool MoveWithoutReplacing(const std::string& from, const std::string& to);

}  // namespace winsys
