#pragma once
// The desktop's queue of posted messages, first in first out. Each message carries a sequence
// number, so that a DoEvents can dispatch exactly what was waiting when it started even when a
// nested loop takes some of those messages first.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

#include "shared/winsys/types.h"

namespace winsys::sim {

struct PostedMessage {
  HWND window = kNoWindow;
  UINT message = 0;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
  std::uint64_t sequence = 0;
};

class MessageQueue {
 public:
  void Post(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  bool empty() const { return messages_.empty(); }
  std::size_t size() const { return messages_.size(); }
  // The sequence number of the newest message posted so far.
  std::uint64_t last_sequence() const { return next_sequence_; }
  // The oldest message, if it was posted no later than the given sequence number.
  std::optional<PostedMessage> PopUpTo(std::uint64_t sequence);
  // The oldest such message whose window takes messages now; the others keep their places.
  std::optional<PostedMessage> PopUpTo(std::uint64_t sequence,
                                       const std::function<bool(HWND)>& takes);
  bool Any(const std::function<bool(HWND)>& takes) const;

 private:
  std::deque<PostedMessage> messages_;
  std::uint64_t next_sequence_ = 0;
};

}  // namespace winsys::sim
