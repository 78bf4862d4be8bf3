#include "aol_automation/meant_mail.h"

#include <algorithm>

#include "aol_automation/mailbox_lines.h"
#include "aol_automation/window_operations.h"

namespace vornik32 {
namespace {

// The subject of a line, when it is the mail's.
std::optional<FoundMail> MailOnLine(winsys::WindowSystem& ws, winsys::HWND tree, int position,
                                    const MeantMail& meant, bool& answered) {
  const std::optional<std::string> subject = MailboxSubjectAt(ws, tree, position);
  answered = subject.has_value();
  if (!subject || (meant.has_subject && !meant.has_subject(*subject))) return std::nullopt;
  return FoundMail{position, *subject};
}

}  // namespace

MeantMail MailAt(int position) {
  return {position, {}};
}

MeantMail MailTitled(int position, std::string title) {
  return {position,
          [title = std::move(title)](std::string_view subject) { return subject == title; }};
}

std::optional<FoundMail> FindMeantMail(winsys::WindowSystem& ws, winsys::HWND tree,
                                       const MeantMail& meant) {
  if (!meant.has_subject) {
    bool answered = false;
    return MailOnLine(ws, tree, meant.position, meant, answered);
  }
  const std::optional<int> count = AnsweredListCount(ws, tree);
  if (!count || meant.position < 0) return std::nullopt;
  // A place past the end is where a deletion above left the last mails' places.
  const int reach = std::max(*count - meant.position, meant.position + 1);
  for (int distance = 0; distance < reach; ++distance) {
    for (const int position : {meant.position + distance, meant.position - distance}) {
      if (position < 0 || position >= *count) continue;
      bool answered = false;
      if (auto found = MailOnLine(ws, tree, position, meant, answered)) return found;
      if (!answered) return std::nullopt;
      if (distance == 0) break;
    }
  }
  return std::nullopt;
}

}  // namespace vornik32
