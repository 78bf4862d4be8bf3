#include "aol_automation/text_files.h"

namespace vornik32 {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNewContentSuffix = ".new~";

}  // namespace

std::string NewContentPathFor(const std::string& path) {
  return path + std::string(kNewContentSuffix);
}

TextFileRead ReadTextFileOrWhy(const std::string& path) {
  TextFileRead file;
  file.result = winsys::ReadRegularFile(path, kMostTextFileBytes, file.content);
  return file;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
  TextFileRead file = ReadTextFileOrWhy(path);
  if (!file.read()) return std::nullopt;
  return std::move(file.content);
}

std::string ReadFailureText(winsys::DiskRead result) {
  switch (result) {
    case winsys::DiskRead::kRead:
      return "";
    case winsys::DiskRead::kCannotOpen:
      return "it cannot be opened";
    case winsys::DiskRead::kNotARegularFile:
      return "it is not a file";
    case winsys::DiskRead::kTooLarge:
      return "it is larger than " + std::to_string(kMostTextFileBytes / (1024 * 1024)) + " MB";
    case winsys::DiskRead::kCannotRead:
      return "reading it failed";
  }
  return "";
}

WriteResult WriteTextFile(const std::string& path, std::string_view text) {
  std::string content(text);
  content += kLineEnd;
  return winsys::ReplaceFileDurably(path, NewContentPathFor(path), content);
}

}  // namespace vornik32
