#include "serving_loop/failed_tries.h"

namespace serving_loop {

bool FailedTries::CountFailure(QueueKind queue, const std::string& entry) {
  const auto key = std::make_pair(queue, entry);
  if (++tries_[key] < kMostTries) return false;
  tries_.erase(key);
  return true;
}

void FailedTries::Forget(QueueKind queue, const std::string& entry) {
  tries_.erase(std::make_pair(queue, entry));
}

void FailedTries::KeepOnlyQueued(QueueKind queue, const serving_engine::RequestQueue& entries) {
  for (auto it = tries_.begin(); it != tries_.end();) {
    if (it->first.first == queue && !entries.Contains(it->first.second)) {
      it = tries_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace serving_loop
