#pragma once
// The clock of `--realtime` runs on the simulated desktop: the platform's steady clock and local
// time. Only the desktop backends read it; the program only sees the Clock interface.

#include "shared/winsys/clock.h"

namespace winsys::sim {

class RealClock : public Clock {
 public:
  RealClock();
  double Now() const override;
  LocalTime Local() const override;

 private:
  double origin_;
};

}  // namespace winsys::sim
