#include "aolsim/mail_store.h"

#include <algorithm>
#include <cstdio>

namespace aolsim {

std::string MailDate(const winsys::LocalTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", time.month % 100, time.day % 100,
                time.year % 10000);
  return text;
}

std::string MailboxLine(const StoredMail& mail) {
  return mail.date + "\t" + mail.sender + "\t" + mail.subject;
}

int MailStore::AddToFlashBottom(StoredMail mail) {
  mail.id = next_id_++;
  flash_.push_back(std::move(mail));
  if (listener_.inserted) listener_.inserted(static_cast<int>(flash_.size()) - 1, 1);
  return flash_.back().id;
}

int MailStore::AddToNewMail(StoredMail mail) {
  mail.id = next_id_++;
  new_mail_.push_back(std::move(mail));
  return new_mail_.back().id;
}

int MailStore::FileNewMail() {
  const int count = static_cast<int>(new_mail_.size());
  if (count == 0) return 0;
  std::reverse(new_mail_.begin(), new_mail_.end());
  flash_.insert(flash_.begin(), std::make_move_iterator(new_mail_.begin()),
                std::make_move_iterator(new_mail_.end()));
  new_mail_.clear();
  if (listener_.inserted) listener_.inserted(0, count);
  return count;
}

const StoredMail* MailStore::Find(int id) const {
  for (const auto* list : {&flash_, &new_mail_}) {
    for (const StoredMail& mail : *list) {
      if (mail.id == id) return &mail;
    }
  }
  return nullptr;
}

std::optional<int> MailStore::FlashPositionOf(int id) const {
  for (std::size_t i = 0; i < flash_.size(); ++i) {
    if (flash_[i].id == id) return static_cast<int>(i);
  }
  return std::nullopt;
}

bool MailStore::RemoveFromFlash(int id) {
  const std::optional<int> position = FlashPositionOf(id);
  if (!position) return false;
  flash_.erase(flash_.begin() + *position);
  if (listener_.removed) listener_.removed(*position);
  return true;
}

}  // namespace aolsim
