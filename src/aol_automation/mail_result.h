#pragma once
// What a mail operation saw of the client: whether the mail went, and if not, the step at which
// the operation stopped. "Sent" means the client took the mail: the window the operation itself
// opened and filled closed after Send.

#include "aol_automation/wait_bounds.h"

namespace vornik32 {

// The steps of sending, in order; a result names the last one that was seen through.
enum class MailStep {
  kMailbox,        // the mailbox was not open (or its list did not answer)
  kSelect,         // the line at the position could not be read or selected
  kOpenMail,       // no open mail captioned with that line's subject came
  kComposeWindow,  // no forward or Write Mail window of the operation's own came
  kSubject,        // forward windows came, but none with the selected mail's subject
  kFields,         // the client did not take the recipient, the subject or the text
  kSend,           // Send was clicked; the window was not seen to close
  kSent,           // the window closed after Send: the client took the mail
};

struct MailResult {
  Outcome outcome = Outcome::kDone;
  MailStep stopped_at = MailStep::kSent;

  bool sent() const { return stopped_at == MailStep::kSent; }
  // Callers that only ask whether every step ran compare with the Outcome.
  friend bool operator==(const MailResult& result, Outcome outcome) {
    return result.outcome == outcome;
  }
};

// A few words naming the step at which a mail stopped, for the user.
const char* StepDescription(MailStep step);

}  // namespace vornik32
