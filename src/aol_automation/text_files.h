#pragma once
// Reading and writing whole text files, as bytes in the client's 8-bit character set. Both report
// failure to the caller, who decides what the user is told; neither leaves a file open.

#include <optional>
#include <string>
#include <string_view>

namespace vornik32 {

// The file's whole content, or nothing when it is missing or cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);

enum class WriteResult {
  kWritten,
  kCannotCreate,   // the new content could not be put beside the file (no such folder, no right)
  kCannotWrite,    // writing the new content failed (disk full)
  kCannotReplace,  // the new content is written but could not take the file's place
};

// Replaces the file's content with text followed by a carriage return and a line feed. The new
// content is written to a file beside it and then renamed over it, so that a crash half-way
// leaves either the old file or the new one, never an empty or torn one. On failure the old file
// is untouched and nothing is left beside it.
WriteResult WriteTextFile(const std::string& path, std::string_view text);

}  // namespace vornik32
