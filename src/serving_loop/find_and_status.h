#pragma once
// Two steps of the serving tick that answer without forwarding stored mails: the status step
// tells each requester in the chat how many of their item requests are queued, and the find step
// searches the titles on offer and mails the numbered matches (or says in the chat that there
// were none). Each serves the entries queued when it begins, oldest first.

#include <string>
#include <string_view>

#include "serving_loop/tick_flow.h"

namespace app {
class Program;
}

namespace serving_loop {

class FindAndStatus {
 public:
  explicit FindAndStatus(app::Program& program);

  TickFlow StatusStep();
  TickFlow FindStep();

 private:
  void AnswerStatus(const std::string& requester);
  void AnswerFind(std::string_view requester, std::string_view words);
  // Whether the mail went: it was written and its Write Mail window closed.
  bool MailResults(std::string_view requester, const std::string& subject, const std::string& text);

  app::Program& program_;
};

}  // namespace serving_loop
