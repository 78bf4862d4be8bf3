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

}  // namespace winsys::sim
