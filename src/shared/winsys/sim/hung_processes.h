#pragma once
// Programs that stop answering, as a busy or stuck program does: until its wake time a hung
// process takes no messages. What other programs send it meanwhile and gave up on is held here,
// with copies of the texts it carries (Windows marshals them across processes, so a late answer
// writes into the copy, never into the sender's buffer), and is handled when the process wakes.
// What is posted to it and its timers wait in the desktop's loop.

#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <memory>
#include <vector>

#include "shared/winsys/types.h"

namespace winsys::sim {

// A send that got no answer in time, kept for the moment its process wakes.
struct HeldSend {
  DWORD process = 0;
  HWND window = kNoWindow;
  UINT message = 0;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
  // The copy of the text or buffer the message points at; lparam points into it.
  std::shared_ptr<std::vector<char>> copy;
};

class HungProcesses {
 public:
  // A program that has not looked at its messages for longer than this counts as hung: a send
  // that gives up on hung programs (SMTO_ABORTIFHUNG) then gives up at once, as under Wine.
  static constexpr double kHungAfter = 5.0;
  static constexpr double kNever = std::numeric_limits<double>::infinity();

  // The process answers nothing until until; a hang that is on already is only lengthened.
  void Hang(DWORD process, double now, double until);
  bool IsHung(DWORD process, double now) const;
  bool CountsAsHung(DWORD process, double now) const;
  // When a hung process wakes; kNever for one that is not hung.
  double WakeTime(DWORD process, double now) const;
  // The earliest wake still to come, or kNever.
  double NextWake(double now) const;

  // Keeps a send that gave up; texts it carries are copied now.
  void Hold(DWORD process, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  bool AnyWoken(double now) const;
  // The held sends of the processes that are awake at now, oldest first, taken out.
  std::vector<HeldSend> TakeWoken(double now);

 private:
  struct Spell {
    double since = 0;
    double until = 0;
  };
  const Spell* Find(DWORD process, double now) const;

  std::map<DWORD, Spell> hangs_;
  std::deque<HeldSend> held_;
};

}  // namespace winsys::sim
