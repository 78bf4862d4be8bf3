#pragma once
// Whether the server window was closed, which ends the program. Code that was inside a wait when
// it closed looks here once the wait is over and starts nothing more. One instance lives as long
// as the program; the server window ends it, every other window and step only asks.

namespace shared {

class ProgramEnd {
 public:
  bool ended() const { return ended_; }
  // Answers whether this call ended the program: false when it had ended already.
  bool End() {
    if (ended_) return false;
    ended_ = true;
    return true;
  }

 private:
  bool ended_ = false;
};

}  // namespace shared
