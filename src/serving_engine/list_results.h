#pragma once
// What the List Designer leaves for serving: the titles of the Flash mailbox's mails (an item
// number is a place in this list) and the serving-list entries ("list number" and "mailbox
// index" joined as the designer writes them). Read afresh at every use: the designer owns them
// and may change them between two waits of the serving loop.

#include <optional>
#include <string>
#include <vector>

namespace serving_engine {

class ListResults {
 public:
  virtual ~ListResults() = default;
  virtual int MailCount() const = 0;
  virtual const std::vector<std::string>& MailTitles() const = 0;
  virtual int ServingListCount() const = 0;
  // Entry i of the serving lists; the empty text out of range.
  virtual std::string ServingListEntry(int index) const = 0;
  // Why the data does not describe the mailbox as it now is (a step since has moved or not yet
  // filed the lists), for Start to say; nothing when serving can start from it.
  virtual std::optional<std::string> WhyNotServable() const = 0;
};

}  // namespace serving_engine
