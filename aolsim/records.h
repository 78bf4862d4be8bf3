#pragma once
// What the client did, as tests, the scenario runner and the demo see it: every mail it
// delivered, every chat line of the room, instant messages, addresses visited, mails deleted and
// flash sessions finished, each with the moment it happened.

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "shared/winsys/clock.h"

namespace aolsim {

struct Moment {
  double seconds = 0;       // the clock's Now()
  winsys::LocalTime local;  // the time of day
};

enum class RecipientKind { kDirect, kBlindCopy };

struct Recipient {
  std::string name;
  RecipientKind kind = RecipientKind::kDirect;
  bool operator==(const Recipient&) const = default;
};

// Entries separated by commas, blanks around them dropped; a name in parentheses is a blind copy.
std::vector<Recipient> ParseRecipients(std::string_view text);

// Screen names are the same when they differ only in letter case and blanks.
bool SameScreenName(std::string_view a, std::string_view b);

enum class DeliveryKind { kForward, kNewMail };

struct Delivery {
  DeliveryKind kind = DeliveryKind::kForward;
  std::string recipients_text;  // the recipient field as sent
  std::vector<Recipient> recipients;
  std::string subject;  // the subject field as sent
  std::string text;     // the note of a forward, the body of a new mail
  // A forward only: which stored mail went out, and where it stood in the Flash mailbox when it
  // was opened.
  int mail_id = -1;
  int mailbox_position = -1;
  std::string stored_subject;
  Moment time;
};

enum class Speaker { kMember, kUser };

struct ChatLine {
  std::string room;
  std::string sender;
  std::string text;
  Speaker speaker = Speaker::kMember;  // kUser: posted through the room's input line
  Moment time;
};

enum class InstantMessageOutcome { kSent, kRefused };

struct InstantMessage {
  std::string recipient;
  std::string text;
  InstantMessageOutcome outcome = InstantMessageOutcome::kSent;
  Moment time;
};

struct VisitedAddress {
  std::string address;
  Moment time;
};

struct MailDeletion {
  int mail_id = -1;
  int mailbox_position = -1;
  std::string subject;
  Moment time;
};

struct FlashSessionEnd {
  int mails_filed = 0;  // how many mails moved from New Mail to the top of the Flash mailbox
  Moment time;
};

using ClientEvent =
    std::variant<Delivery, ChatLine, InstantMessage, VisitedAddress, MailDeletion, FlashSessionEnd>;

class Journal {
 public:
  void SetEventCallback(std::function<void(const ClientEvent&)> callback) {
    callback_ = std::move(callback);
  }

  void Record(Delivery delivery);
  void Record(ChatLine line);
  void Record(InstantMessage message);
  void Record(VisitedAddress address);
  void Record(MailDeletion deletion);
  void Record(FlashSessionEnd end);
  // A chat line that was emptied from the room's transcript after a read that did not hand it
  // over: a reader lost it.
  void RecordLostUnread(std::size_t chat_line_index) { lost_unread_.push_back(chat_line_index); }

  const std::vector<Delivery>& deliveries() const { return deliveries_; }
  const std::vector<ChatLine>& chat_lines() const { return chat_lines_; }
  const std::vector<InstantMessage>& instant_messages() const { return instant_messages_; }
  const std::vector<VisitedAddress>& visited() const { return visited_; }
  const std::vector<MailDeletion>& deletions() const { return deletions_; }
  const std::vector<FlashSessionEnd>& flash_sessions() const { return flash_sessions_; }
  const std::vector<std::size_t>& lost_unread() const { return lost_unread_; }

 private:
  template <typename T>
  void Keep(std::vector<T>& records, T record);

  std::function<void(const ClientEvent&)> callback_;
  std::vector<Delivery> deliveries_;
  std::vector<ChatLine> chat_lines_;
  std::vector<InstantMessage> instant_messages_;
  std::vector<VisitedAddress> visited_;
  std::vector<MailDeletion> deletions_;
  std::vector<FlashSessionEnd> flash_sessions_;
  std::vector<std::size_t> lost_unread_;
};

}  // namespace aolsim
