#pragma once
// The Banning window's list as the chat intake judges senders by it.

#include <string_view>

namespace serving_engine {

class BanList {
 public:
  virtual ~BanList() = default;
  // Whether the sender is on the list. Whether the list is in force (`BanListUsed`) is the
  // caller's to check.
  virtual bool IsBanned(std::string_view sender) const = 0;
};

}  // namespace serving_engine
