#pragma once
// What a mail operation saw of the client: whether the mail went, and if not, the step at which
// the operation stopped. "Sent" means the client took the mail: the window the operation itself
// opened and filled closed after Send.

#include <string>
#include <vector>

#include "aol_automation/wait_bounds.h"

namespace vornik32 {

// The steps of sending, in order; a result names the last one that was seen through.
enum class MailStep {
  kMailbox,        // the mailbox was not open (or its list did not answer)
  kSelect,         // the mail was not in the mailbox, or its line could not be read or selected
  kOpenMail,       // no open mail captioned with that line's subject came
  kComposeWindow,  // no forward or Write Mail window of the operation's own came
  kSubject,        // forward windows came, but none with the selected mail's subject
  kFields,         // the client did not take the recipient, the subject or the text
  kSend,           // Send was clicked; the window was not seen to close
  kSent,           // the window closed after Send: the client took the mail
};

// Windows an operation asked the client for that had not come when it returned. A lagging client
// opens them later all the same (a forward window per click, an open mail after a give-up); left
// on screen they pile up, and a client with a hundred windows hides its room from the program.
struct LateWindows {
  std::string subject;  // the stored mail's: an open mail is captioned so, a forward shows it
  std::vector<winsys::HWND>
      known;            // every mail and forward window there was, or was seen, meanwhile
  int forwards = 0;     // forward windows asked for and not seen
  int open_mails = 0;   // open mails asked for and not seen
  int write_mails = 0;  // Write Mails asked for and not told apart (they come empty)
  double asked_at = 0;  // the clock at the last ask
  bool any() const { return forwards > 0 || open_mails > 0 || write_mails > 0; }
};

struct MailResult {
  MailResult() = default;
  MailResult(Outcome outcome_seen, MailStep step) : outcome(outcome_seen), stopped_at(step) {}

  Outcome outcome = Outcome::kDone;
  MailStep stopped_at = MailStep::kSent;
  LateWindows late;

  bool sent() const { return stopped_at == MailStep::kSent; }
  // Callers that only ask whether every step ran compare with the Outcome.
  friend bool operator==(const MailResult& result, Outcome outcome) {
    return result.outcome == outcome;
  }
};

// A few words naming the step at which a mail stopped, for the user.
const char* StepDescription(MailStep step);

}  // namespace vornik32
