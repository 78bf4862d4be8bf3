#pragma once
// Reading and writing whole text files, as bytes in the client's 8-bit character set. Both report
// failure to the caller, who decides what the user is told; neither leaves a file open. The disk
// is not trusted: only a regular file within kMostTextFileBytes is read (a pipe, a device or a
// file that never ends is refused at once), and writing never goes through a link.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "shared/winsys/disk.h"

namespace vornik32 {

// Far more than any requests or messages file the program writes (32767 requests of the longest
// screen names take under a megabyte).
inline constexpr std::size_t kMostTextFileBytes = 4 * 1024 * 1024;

// The side file a write puts the new content in before it takes the file's place.
std::string NewContentPathFor(const std::string& path);

struct TextFileRead {
  winsys::DiskRead result = winsys::DiskRead::kCannotOpen;
  std::string content;
  bool read() const { return result == winsys::DiskRead::kRead; }
};

// The file's whole content, or why there is none.
TextFileRead ReadTextFileOrWhy(const std::string& path);
// The file's whole content, or nothing when it is missing or cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);
// Why a file could not be read, as the user is told: "" for a file that was read.
std::string ReadFailureText(winsys::DiskRead result);

using WriteResult = winsys::DiskWrite;

// Replaces the file's content with text followed by a carriage return and a line feed. The new
// content is written to a new file beside it, flushed, and then renamed over it, so that a crash
// or a power cut half-way leaves either the old file or the new one, never an empty or torn one.
// On failure before the rename the old file is untouched and nothing is left beside it.
WriteResult WriteTextFile(const std::string& path, std::string_view text);

}  // namespace vornik32
