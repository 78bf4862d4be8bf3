#include "aol_automation/mailbox_lines.h"

#include <algorithm>

namespace vornik32 {
namespace {

std::string_view AfterFirstTab(std::string_view text) {
  const auto tab = text.find('\t');
  return tab == std::string_view::npos ? text : text.substr(tab + 1);
}

}  // namespace

std::string SubjectOfMailboxLine(std::string_view line) {
  return std::string(AfterFirstTab(AfterFirstTab(line)));
}

std::optional<std::string> MailboxLineAt(winsys::WindowSystem& ws, winsys::HWND tree, int index) {
  if (index < 0) return std::nullopt;
  const auto item = static_cast<winsys::WPARAM>(index);
  const std::optional<winsys::LRESULT> length =
      ws.SendMessageAnswered(tree, winsys::LB_GETTEXTLEN, item, 0);
  if (!length || *length < 0) return std::nullopt;
  std::string line(static_cast<std::size_t>(*length) + 1, '\0');
  const std::optional<winsys::LRESULT> copied = ws.SendMessageAnswered(
      tree, winsys::LB_GETTEXT, item, reinterpret_cast<winsys::LPARAM>(line.data()));
  if (!copied || *copied < 0) return std::nullopt;
  line.resize(static_cast<std::size_t>(std::min<winsys::LRESULT>(*copied, *length)));
  return line;
}

std::optional<std::string> MailboxSubjectAt(winsys::WindowSystem& ws, winsys::HWND tree,
                                            int index) {
  const std::optional<std::string> line = MailboxLineAt(ws, tree, index);
  if (!line) return std::nullopt;
  return SubjectOfMailboxLine(*line);
}

}  // namespace vornik32
