#pragma once
// Whether the client is there to serve: signed on, its chat room open, its mailbox open and
// answering. While it is not, the serving tick takes nothing from the queues (nothing queued is
// lost), the status bar says what serving waits for after the served counts, and serving goes
// on by itself once the client is back. A mailbox that went is opened again and hidden, as Start
// does.

#include <string>

namespace serving_loop {

class ProgramView;

class ClientPresence {
 public:
  explicit ClientPresence(ProgramView& program);

  // Looks at the client, reopening its mailbox when that is all that is missing; true when the
  // tick may serve.
  bool ReadyToServe();
  // Puts the status bar back to the served counts alone, when it said serving waited.
  void EndWaiting();

 private:
  // What serving waits for, or the empty text when the client is ready.
  std::string MissingPart();
  void ShowWaitingFor(const std::string& what);

  ProgramView& program_;
  bool waiting_ = false;
};

}  // namespace serving_loop
