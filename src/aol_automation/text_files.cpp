#include "aol_automation/text_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace vornik32 {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNewContentSuffix = ".new~";

void RemoveQuietly(const std::filesystem::path& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

}  // namespace

std::optional<std::string> ReadTextFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return std::nullopt;
  return content;
}

WriteResult WriteTextFile(const std::string& path, std::string_view text) {
  const std::filesystem::path target(path);
  std::filesystem::path beside = target;
  beside += std::string(kNewContentSuffix);
  {
    std::ofstream file(beside, std::ios::binary | std::ios::trunc);
    if (!file) return WriteResult::kCannotCreate;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.write(kLineEnd.data(), static_cast<std::streamsize>(kLineEnd.size()));
    file.close();
    if (!file) {
      RemoveQuietly(beside);
      return WriteResult::kCannotWrite;
    }
  }
  // rename replaces an existing file in one step (POSIX rename; MoveFileEx with
  // MOVEFILE_REPLACE_EXISTING on Windows).
  std::error_code error;
  std::filesystem::rename(beside, target, error);
  if (error) {
    RemoveQuietly(beside);
    return WriteResult::kCannotReplace;
  }
  return WriteResult::kWritten;
}

}  // namespace vornik32
