#pragma once
// How often each queued request has failed to go. A request whose mail the client did not take
// goes back to the head of its queue and is tried again on a later tick; its third failure drops
// it. The counts are kept here, beside the queues, so that the entries themselves (which Save
// Requests writes) stay as they were queued. Two entries of the same text share one count: they
// are the same request twice, and fail for the same reason.

#include <map>
#include <string>
#include <utility>

#include "serving_engine/request_queue.h"

namespace serving_loop {

enum class QueueKind { kItems, kLists, kFinds };

class FailedTries {
 public:
  static constexpr int kMostTries = 3;

  // One more failed try of the entry: true when that was its last, and it is to be dropped
  // (its count is then forgotten).
  bool CountFailure(QueueKind queue, const std::string& entry);
  // The entry went, or left its queue otherwise: its count starts over.
  void Forget(QueueKind queue, const std::string& entry);
  // Forgets the counts of entries that are no longer in the queue (a person removed them, or
  // cleared the queue), so that a later request of the same text starts with three tries.
  void KeepOnlyQueued(QueueKind queue, const serving_engine::RequestQueue& entries);

  // The mails given up since serving started (one per "could not be sent" line), for the
  // serving report.
  void CountMailNotSent() { ++mails_not_sent_; }
  int mails_not_sent() const { return mails_not_sent_; }
  void StartOver() {
    tries_.clear();
    mails_not_sent_ = 0;
  }

 private:
  std::map<std::pair<QueueKind, std::string>, int> tries_;
  int mails_not_sent_ = 0;
};

}  // namespace serving_loop
