#pragma once
// The served counters of the server window's status bar: N " Mails, " P " People Served", with P
// the number of different screen names served. The mails-served number is kept in the status
// bar's text itself, so what the user sees is what is counted.

#include <string>
#include <string_view>

namespace serving_engine {

class ServedCounters {
 public:
  virtual ~ServedCounters() = default;
  // The leading number of the status bar's text.
  virtual int MailsServed() const = 0;
  // Writes N " Mails, " P " People Served".
  virtual void ShowServedCounts(int mails_served) = 0;
  // Writes the counts followed by a note (" - waiting for the chat room").
  virtual void ShowServedCountsWithNote(int mails_served, std::string_view note) = 0;
  // Adds the screen name to the people served unless an entry equals it exactly.
  virtual void AddToServed(const std::string& screen_name) = 0;
  virtual int PeopleServedCount() const = 0;
  virtual void ForgetPeopleServed() = 0;
};

}  // namespace serving_engine
