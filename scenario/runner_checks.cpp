// The expectations of a scenario: each is checked when the runner reaches it. Chat, mail and
// dialog checks read from a cursor that each match moves past the matched event, so a sequence
// of checks also checks order.

#include <filesystem>
#include <fstream>
#include <sstream>

#include "scenario/runner.h"
#include "shared/ui/element.h"
#include "shared/ui/form.h"
#include "shared/ui/registry.h"

namespace scenario {
namespace {

std::string YesNo(bool value) {
  return value ? "yes" : "no";
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace

void Runner::Check(const Command& command) {
  const std::string why = Evaluate(command);
  const std::string where = command.Where() + ": " + command.source;
  if (why.empty()) {
    ++passed_;
    log_->Write(EventKind::kCheck, "ok " + where);
  } else {
    ++failed_;
    log_->Write(EventKind::kCheck, "FAIL " + where + " (" + why + ")");
  }
}

std::string Runner::Evaluate(const Command& command) {
  switch (command.verb) {
    case Verb::kExpectChat:
    case Verb::kExpectChatContains:
    case Verb::kExpectNoChat:
    case Verb::kExpectChatCount:
      return CheckChat(command);
    case Verb::kExpectForward:
    case Verb::kExpectForwardTo:
    case Verb::kExpectSendMail:
    case Verb::kExpectMailContains:
    case Verb::kExpectMailCount:
      return CheckMail(command);
    case Verb::kExpectDialog:
    case Verb::kExpectNoDialog:
      return CheckDialog(command);
    case Verb::kExpectClientMailboxCount:
    case Verb::kExpectClientMailboxSubject:
    case Verb::kExpectClientIms:
    case Verb::kExpectClientVisited:
    case Verb::kExpectClientPopups:
    case Verb::kExpectClientOpen:
      return CheckClient(command);
    case Verb::kExpectConfirmationsTrue:
    case Verb::kExpectNothingLost:
      return CheckServing(command);
    default:
      return CheckWindow(command);
  }
}

std::vector<std::string> Runner::ProgramLines() const {
  std::vector<std::string> lines;
  if (!world_->has_client()) return lines;
  for (const aolsim::ChatLine& line : world_->client().RoomLines()) {
    if (line.speaker == aolsim::Speaker::kUser) lines.push_back(line.text);
  }
  return lines;
}

std::string Runner::CheckChat(const Command& command) {
  const std::vector<std::string> lines = ProgramLines();
  if (command.verb == Verb::kExpectChatCount) {
    if (static_cast<int>(lines.size()) == command.integer(0)) return {};
    return "the program posted " + std::to_string(lines.size()) + " line(s)";
  }
  const std::string& wanted = command.text(0);
  for (std::size_t i = chat_cursor_; i < lines.size(); ++i) {
    const bool hit =
        command.verb == Verb::kExpectChat ? lines[i] == wanted : Contains(lines[i], wanted);
    if (!hit) continue;
    if (command.verb == Verb::kExpectNoChat) return "posted " + Quoted(lines[i]);
    chat_cursor_ = i + 1;
    return {};
  }
  if (command.verb == Verb::kExpectNoChat) return {};
  if (chat_cursor_ < lines.size()) return "the next line is " + Quoted(lines[chat_cursor_]);
  return "no such line after the " + std::to_string(chat_cursor_) + " already matched";
}

std::string Runner::CheckMail(const Command& command) {
  static const std::vector<aolsim::Delivery> kNone;
  const std::vector<aolsim::Delivery>& mails =
      world_->has_client() ? world_->client().Deliveries() : kNone;
  switch (command.verb) {
    case Verb::kExpectMailCount:
      if (static_cast<int>(mails.size()) == command.integer(0)) return {};
      return std::to_string(mails.size()) + " mail(s) were sent";
    case Verb::kExpectMailContains:
      if (!last_mail_) return "no mail was matched yet";
      if (Contains(mails[*last_mail_].text, command.text(0))) return {};
      return "the mail holds " + Quoted(mails[*last_mail_].text.substr(0, 200));
    default:
      break;
  }
  for (std::size_t i = mail_cursor_; i < mails.size(); ++i) {
    const aolsim::Delivery& mail = mails[i];
    bool hit = false;
    switch (command.verb) {
      case Verb::kExpectForward:
        hit = mail.kind == aolsim::DeliveryKind::kForward &&
              mail.mailbox_position == command.integer(0) &&
              mail.recipients_text == command.text(1);
        break;
      case Verb::kExpectForwardTo:
        hit =
            mail.kind == aolsim::DeliveryKind::kForward && mail.recipients_text == command.text(0);
        break;
      case Verb::kExpectSendMail:
        hit = mail.kind == aolsim::DeliveryKind::kNewMail &&
              mail.recipients_text == command.text(0) && mail.subject == command.text(1);
        break;
      default:
        break;
    }
    if (hit) {
      mail_cursor_ = i + 1;
      last_mail_ = i;
      return {};
    }
  }
  if (mail_cursor_ < mails.size()) {
    const aolsim::Delivery& next = mails[mail_cursor_];
    return "the next mail is " +
           std::string(next.kind == aolsim::DeliveryKind::kForward
                           ? "a forward of #" + std::to_string(next.mailbox_position)
                           : "a new mail " + Quoted(next.subject)) +
           " to " + Quoted(next.recipients_text);
  }
  return "no such mail after the " + std::to_string(mail_cursor_) + " already matched";
}

std::string Runner::CheckDialog(const Command& command) {
  if (command.verb == Verb::kExpectNoDialog) {
    if (dialog_cursor_ >= message_boxes_.size()) return {};
    return "a message box said " + Quoted(message_boxes_[dialog_cursor_]);
  }
  for (std::size_t i = dialog_cursor_; i < message_boxes_.size(); ++i) {
    if (message_boxes_[i] == command.text(0)) {
      dialog_cursor_ = i + 1;
      return {};
    }
  }
  if (dialog_cursor_ < message_boxes_.size()) {
    return "the next message box said " + Quoted(message_boxes_[dialog_cursor_]);
  }
  return "no such message box";
}

std::string Runner::CheckWindow(const Command& command) {
  winsys::WindowSystem& ws = world_->program_process();
  switch (command.verb) {
    case Verb::kExpectClipboard:
    case Verb::kExpectClipboardContains: {
      const std::string text = ws.GetClipboardText().value_or("");
      const bool hit = command.verb == Verb::kExpectClipboard ? text == command.text(0)
                                                              : Contains(text, command.text(0));
      return hit ? std::string() : "the clipboard holds " + Quoted(text);
    }
    case Verb::kExpectFile: {
      std::ifstream file(ResolvePath(command.text(0)), std::ios::binary);
      if (!file) return "the file cannot be read";
      std::ostringstream bytes;
      bytes << file.rdbuf();
      return bytes.str() == command.text(1) ? std::string()
                                            : "the file holds " + Quoted(bytes.str());
    }
    case Verb::kExpectVisible: {
      const ui::Form* form = world_->registry().FindForm(command.text(0));
      const bool visible = form != nullptr && form->is_visible();
      if (YesNo(visible) == command.text(1)) return {};
      return std::string(form == nullptr ? "the window was never made" : "visible: ") +
             (form == nullptr ? "" : YesNo(visible));
    }
    default:
      break;
  }
  const bool is_checked = command.verb == Verb::kExpectChecked;
  std::string why;
  ui::Element* element = Resolve(command.text(0), command.text(1), why);
  if (element == nullptr) return why;
  switch (command.verb) {
    case Verb::kExpectCaption: {
      const std::string caption = element->caption();
      return caption == command.text(2) ? std::string() : "it reads " + Quoted(caption);
    }
    case Verb::kExpectCount: {
      const int count = element->count();
      return count == command.integer(2) ? std::string()
                                         : "it holds " + std::to_string(count) + " entries";
    }
    case Verb::kExpectItem: {
      const int index = command.integer(2);
      if (index >= element->count()) {
        return "it holds only " + std::to_string(element->count()) + " entries";
      }
      const std::string item = element->item(index);
      return item == command.text(3) ? std::string() : "the entry is " + Quoted(item);
    }
    case Verb::kExpectChecked:
    case Verb::kExpectEnabled: {
      const bool value = is_checked ? element->checked() : element->enabled();
      return YesNo(value) == command.text(2)
                 ? std::string()
                 : std::string(is_checked ? "checked: " : "enabled: ") + YesNo(value);
    }
    default:
      return "not a window check";
  }
}

std::string Runner::CheckClient(const Command& command) {
  aolsim::Client& client = world_->client();
  switch (command.verb) {
    case Verb::kExpectClientMailboxCount: {
      const int count = client.MailboxCount();
      return count == command.integer(0) ? std::string()
                                         : "the mailbox holds " + std::to_string(count);
    }
    case Verb::kExpectClientMailboxSubject: {
      const std::vector<std::string> subjects = client.MailboxSubjects();
      const auto index = static_cast<std::size_t>(command.integer(0));
      if (index >= subjects.size()) return "the mailbox holds " + std::to_string(subjects.size());
      return subjects[index] == command.text(1) ? std::string()
                                                : "the subject is " + Quoted(subjects[index]);
    }
    case Verb::kExpectClientIms: {
      const bool on = client.InstantMessagesOn();
      return (on ? "on" : "off") == command.text(0)
                 ? std::string()
                 : std::string("instant messages are ") + (on ? "on" : "off");
    }
    case Verb::kExpectClientVisited: {
      for (const std::string& address : client.VisitedAddresses()) {
        if (address == command.text(0)) return {};
      }
      return "the client was never sent there";
    }
    case Verb::kExpectClientPopups: {
      const int open = client.OpenPopupCount();
      return open == command.integer(0) ? std::string() : std::to_string(open) + " are open";
    }
    case Verb::kExpectClientOpen: {
      const bool open = client.IsContentWindowOpen(command.text(0));
      return YesNo(open) == command.text(1) ? std::string() : "open: " + YesNo(open);
    }
    default:
      return "not a client check";
  }
}

}  // namespace scenario
