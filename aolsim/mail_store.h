#pragma once
// The mails the client keeps: the Flash mailbox (its first mail on top) and New Mail, which a
// flash session files into the Flash mailbox. Every mail has an id of its own, so that a forward
// can tell which stored mail went out wherever it stands now.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shared/winsys/clock.h"

namespace aolsim {

struct StoredMail {
  int id = 0;
  std::string date;  // as the mailbox shows it, MM/DD/YYYY
  std::string sender;
  std::string recipient;  // empty: the signed-on user
  std::string subject;
  std::string body;
};

// A mail's date as the mailbox shows it.
std::string MailDate(const winsys::LocalTime& time);

// The mailbox's line for a mail: date, tab, sender, tab, subject.
std::string MailboxLine(const StoredMail& mail);

class MailStore {
 public:
  // Told when lines of the Flash mailbox come or go, so that an open mailbox window follows.
  struct Listener {
    std::function<void(int index, int count)> inserted;
    std::function<void(int index)> removed;
  };

  void SetListener(Listener listener) { listener_ = std::move(listener); }

  const std::vector<StoredMail>& flash() const { return flash_; }
  const std::vector<StoredMail>& new_mail() const { return new_mail_; }

  // The id given to the mail.
  int AddToFlashBottom(StoredMail mail);
  int AddToNewMail(StoredMail mail);
  // Moves New Mail to the top of the Flash mailbox, the mail that arrived last on top (the
  // mailbox is newest first); the mails stored before move down by the number filed.
  int FileNewMail();

  const StoredMail* Find(int id) const;
  std::optional<int> FlashPositionOf(int id) const;
  bool RemoveFromFlash(int id);

 private:
  std::vector<StoredMail> flash_;
  std::vector<StoredMail> new_mail_;
  int next_id_ = 1;
  Listener listener_;
};

}  // namespace aolsim
