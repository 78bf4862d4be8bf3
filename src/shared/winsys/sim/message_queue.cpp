#include "shared/winsys/sim/message_queue.h"

namespace winsys::sim {

void MessageQueue::Post(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  messages_.push_back(PostedMessage{window, message, wparam, lparam, ++next_sequence_});
}

std::optional<PostedMessage> MessageQueue::PopUpTo(std::uint64_t sequence) {
  if (messages_.empty() || messages_.front().sequence > sequence) return std::nullopt;
  PostedMessage front = messages_.front();
  messages_.pop_front();
  return front;
}

std::optional<PostedMessage> MessageQueue::PopUpTo(std::uint64_t sequence,
                                                   const std::function<bool(HWND)>& takes) {
  for (auto it = messages_.begin(); it != messages_.end() && it->sequence <= sequence; ++it) {
    if (!takes(it->window)) continue;
    PostedMessage found = *it;
    messages_.erase(it);
    return found;
  }
  return std::nullopt;
}

bool MessageQueue::Any(const std::function<bool(HWND)>& takes) const {
  for (const PostedMessage& message : messages_) {
    if (takes(message.window)) return true;
  }
  return false;
}

}  // namespace winsys::sim
